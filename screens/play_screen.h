#pragma once

#include "round/game_state.h"
#include "round/play_view.h"
#include "screens/play_controls.h"
#include "screens/play_screen_view.h"
#include "screens/screen_window.h"
#include "shell/shared_state.h"

#include <QPointer>

class Announcer;
class GameReviewWindow;

/// A play screen: the panel, gauge, labels, answer buttons, timers and sound of `じっくり` and
/// `スピード`. It offers itself to the round engine as a view; the flows behind it are the
/// subclasses' own. After every handler it shows what the game state holds beyond the engine's
/// view: the answer waiting for its judgement, what the question's picture shows, and, for
/// screen readers, each judgement, question and rating as it comes. Once a game is rated, V or a
/// click on the medal or crow opens the review of the whole game.
class PlayScreen : public ScreenWindow {
    Q_OBJECT
public:
    /// A play screen of `definition` on the screen's game state, which its flow runs.
    PlayScreen(const PlayScreenDefinition& definition, const SharedState& shared,
               const GameState& state, ErrorPath& errorPath, QWidget* parent = nullptr);
    ~PlayScreen() override;

    /// Stops every timer and the sound, and closes the review.
    void unload() override;

Q_SIGNALS:
    /// Command1: back to the menu.
    void menuRequested();

protected:
    /// The screen as the round engine's view.
    PlayView& view() { return m_view; }
    /// Command2(index), already guarded.
    virtual void answerPressed(int index) = 0;
    /// A tick of a running timer, already guarded.
    virtual void timerTicked(PlayTimer timer) = 0;
    /// Command3, already guarded.
    virtual void anotherGamePressed() = 0;

    void handled() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    QString reviewOfCell(int cell) const;
    void openReview();
    void closeReview();
    /// What is new for screen readers since the last handler; empty when nothing is.
    QString news();

    const SharedState& m_shared;
    const GameState& m_state;
    PlayControls m_controls;
    PlayScreenView m_view;
    Announcer* m_announcer = nullptr;
    QPointer<GameReviewWindow> m_review;
    QPointer<QWidget> m_focusBeforeReview;
    // What the screen last told about the game: judged questions and the question on screen
    // (-1 before the first handler), and whether the game was rated.
    int m_judgedTold = -1;
    int m_questionTold = -1;
    bool m_ratedTold = false;
};
