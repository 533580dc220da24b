#pragma once

#include "round/game_state.h"
#include "shell/shared_state.h"

#include <QWidget>

class QCheckBox;
class QListWidget;

/// The review of a rated game: its questions in order, each on a row that says what the gauge
/// cell's hover text says (number, character, whether it exists, a real kanji's readings and
/// meanings, the player's answer, right or wrong). Mistakes stand out in colour, and a check box
/// leaves only them. A window of its own over the play screen that owns it; the keyboard moves
/// through the rows, and Esc or the close button close it.
class GameReviewWindow : public QWidget {
    Q_OBJECT
public:
    /// Reviews the game in `state`, over `playScreen`.
    GameReviewWindow(const GameState& state, const SharedState& shared, QWidget* playScreen);

Q_SIGNALS:
    /// The window was closed, by any of its ways.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fillRows(const GameState& state, const SharedState& shared);
    void showMistakesOnly(bool only);

    QListWidget* m_rows = nullptr;
    QCheckBox* m_mistakesOnly = nullptr;
};
