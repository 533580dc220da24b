#pragma once

#include "round/game_state.h"
#include "round/play_view.h"
#include "screens/play_controls.h"
#include "screens/play_screen_view.h"
#include "screens/screen_window.h"
#include "shell/shared_state.h"

/// A play screen: the panel, gauge, labels, answer buttons, timers and sound of `じっくり` and
/// `スピード`. It offers itself to the round engine as a view; the flows behind it are the
/// subclasses' own.
class PlayScreen : public ScreenWindow {
    Q_OBJECT
public:
    PlayScreen(const PlayScreenDefinition& definition, const SharedState& shared,
               ErrorPath& errorPath, QWidget* parent = nullptr);
    ~PlayScreen() override;

    /// Stops every timer and the sound.
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
    /// The screen's game state, read by the review of a finished game.
    virtual const GameState& gameState() const = 0;

private:
    void connectControls();
    QString reviewOfCell(int cell) const;

    const SharedState& m_shared;
    PlayControls m_controls;
    PlayScreenView m_view;
};
