#pragma once

#include "tests/support/scripted_random.h"

#include <QString>

class FakeClock;
class Navigator;
class QWidget;

/// Plays the game through the real screens of a navigator, as a player with a fake clock
/// would: clicks on the named buttons, timer ticks delivered by hand after the clock has been
/// moved on. Every wait passes at once in real time. Each step gives up (returns false) when the
/// program has taken its error path or the screen does not behave, so that nothing can hang.
class GameRunner {
public:
    GameRunner(Navigator& navigator, FakeClock& clock, ScriptedRandom& random);

    /// Clicks the button `name` of the open screen; false when there is none or it is hidden.
    bool click(const QString& name);
    /// Lets a screen change asked for by a click take place.
    void settle();
    /// Moves the clock on by `seconds` and delivers one tick to every running timer.
    void tick(double seconds);
    /// On the menu: chooses radical 1..6, then the mode (0 speed, 1 careful). False when the
    /// mode buttons stay hidden or another screen does not open.
    bool open(int radical, int mode);
    /// Plays the game on the open play screen to its rating, answering `right` of the 100
    /// questions right (the first ones) and the rest wrong, then waits out the fail sound.
    bool playGame(int right);
    /// Command1 of the open screen, back to the menu.
    bool backToMenu();
    /// Command3 of a rated play screen: another game. On the speed screen the countdown follows.
    bool anotherGame();

    /// The open screen.
    QWidget* screen() const;
    /// Whether the program has taken its error path.
    bool failed() const;

private:
    bool playCareful(int right);
    bool playSpeed(int right);
    bool waitForRating();
    bool shown(const QString& name) const;
    QString text(const QString& name) const;

    Navigator& m_navigator;
    FakeClock& m_clock;
    ScriptedRandom& m_random;
};
