#pragma once

#include "facts/content_catalogue.h"
#include "round/play_ports.h"

#include <array>

/// The rules both play screens share, run on one screen's ports: game start, question drawing
/// with the no-repeat window of 30, taking an answer, the right and wrong effects with score and
/// gauge, the end of a game with its wait and rating, the fail-sound wait, and the common steps
/// of another game. It also keeps track of which of the screen's timers it has started, so that
/// a stray tick of a stopped timer does nothing.
class RoundEngine {
public:
    /// The end-of-game and fail-sound waits in seconds; each passes at its limit.
    static constexpr double kEndWait = 1.0;
    /// Ratings: the lowest score of each medal.
    static constexpr int kGoldFrom = 95;
    static constexpr int kSilverFrom = 85;
    static constexpr int kCopperFrom = 75;

    /// Works on the ports' objects, which must outlive the engine.
    explicit RoundEngine(PlayPorts ports);

    /// Resets counts, game-over flag, question records and the recently-used flags 1..219. The
    /// no-repeat window and the pending answer carry over from the previous game.
    void startGame();
    /// A new showing of the screen (its load): no rating shows on it yet.
    void beginShowing();
    /// Sets the window's title from the radical; a radical number outside 1..6 leaves it.
    void showTitle();
    /// Loads the radical picture and shows it.
    void showRadicalPicture();
    /// Draws the next question outside the no-repeat window, counts it and shows it.
    void drawQuestion();
    /// `Command2(index)`: the answer of that button becomes the pending answer, unless the game
    /// is over or there is no such button. Whether the answer was taken.
    bool takeAnswer(int buttonIndex);
    /// Judges the pending answer against the current kind with its sound, count and gauge
    /// cell, records it, clears the pending answer and shows the new score.
    void judgePending();
    /// After a judgement: ends the game after its last question, else draws the next one.
    void nextQuestionOrEnd();
    /// Whether the question just judged was the last of the game.
    bool lastQuestionJudged() const;
    /// Sets the game-over flag and starts the end-of-game wait.
    void endGame();
    /// A tick of the timers that end a game on either screen: the end-of-game wait, after which
    /// the game is rated, and the fail-sound wait after a crow. False for any other timer.
    bool tickGameEndTimer(PlayTimer timer);
    /// The steps of another game before the screen's own game start: the rating goes, and a
    /// fail sound still pending from the crow of the last game is cancelled.
    void prepareAnotherGame();

    /// Starts a timer and takes the clock as the new wait start.
    void startTimedWait(PlayTimer timer);
    /// Takes the clock as the new wait start without touching any timer.
    void restartWait();
    /// Stops a timer the engine started; a timer not running is left alone.
    void stopTimer(PlayTimer timer);
    /// Whether the engine has started this timer and not stopped it since.
    bool isRunning(PlayTimer timer) const;
    /// Whether the current wait has lasted `limit` seconds (strictly more with `strictly`).
    bool waitPassed(double limit, bool strictly = false) const;

    /// The score as an exact integer percentage, floor(100 * correct / questions).
    static std::int16_t scoreOf(int correct, int questions);
    /// The rating of a game's score.
    static Rating ratingOf(int score);

    /// The path of a picture or a sound of the content, by its catalogue entry.
    QString picturePath(const content_catalogue::Picture& file) const;
    QString soundPath(QStringView fileName) const;

    /// The screen's game state that the engine runs on.
    GameState& state() { return m_ports.state; }
    const GameState& state() const { return m_ports.state; }

private:
    PlayView& view() { return m_ports.view; }
    void applyEffect(bool right);
    void tickEndWait();
    void tickFailSound();
    void rate();
    void failOnUnplayableLists() const;

    PlayPorts m_ports;
    std::array<bool, kPlayTimers> m_running{};
};
