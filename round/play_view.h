#pragma once

#include <QString>

// What the round engine may do to a play screen. Each play-screen widget implements it; tests
// use a recording fake. Each name says what the control is for; the control's own name on the
// screen stands beside it.

/// Controls whose visibility the game changes.
enum class PlayControl {
    RadicalPicture,    ///< `Image2`
    CharacterPicture,  ///< `Image3`: the character of the question
    ModeBanner,        ///< `Image4`
    RatingPicture,     ///< `Image5`: the medal or the crow
    CountdownPicture,  ///< `Image6` (the speed screen only)
    AnotherGameButton, ///< `Command3`
};

/// Texts the game writes.
enum class PlayText {
    Title,          ///< the window's title (`Caption`)
    Score,          ///< `Label1`: the percentage of right answers
    QuestionNumber, ///< `Label2`: the number of the question on screen
};

/// The screen's timers; the countdown steps and the answer clock exist on the speed screen only.
enum class PlayTimer {
    FailSoundWait,       ///< `Timer1`: from a crow to the fail sound
    EndOfGameWait,       ///< `Timer2`: from the last judgement to the rating
    FirstCountdownStep,  ///< `Timer3`: while "3" shows
    SecondCountdownStep, ///< `Timer4`: while "2" shows
    LastCountdownStep,   ///< `Timer5`: while "1" shows
    AnswerClock,         ///< `Timer6`: judges each question of the speed screen
};
inline constexpr int kPlayTimers = 6;

/// What a game is rated: a medal for 75 percent or more, the crow below.
enum class Rating { Gold, Silver, Copper, Crow };

/// Fill colours of the gauge: green for a right answer, red for a wrong one.
enum class GaugeFill { Right, Wrong };

class PlayView {
public:
    virtual ~PlayView() = default;

    virtual void setText(PlayText text, const QString& value) = 0;
    virtual void setShown(PlayControl control, bool shown) = 0;
    // Each picture is loaded from a file; a missing or undecodable file throws ContentError.
    /// `Image2`: the radical picture of the chosen radical.
    virtual void loadRadicalPicture(const QString& path) = 0;
    /// `Image3`: the character picture of the question.
    virtual void loadCharacterPicture(const QString& path) = 0;
    /// `Image5`: the picture of `rating`.
    virtual void loadRatingPicture(Rating rating, const QString& path) = 0;
    /// `Image6`: the countdown picture of `number` (3, 2 or 1).
    virtual void loadCountdownPicture(int number, const QString& path) = 0;
    /// `Picture1`: replaces the gauge, painted cells and all, by the picture at `path`.
    virtual void loadGauge(const QString& path) = 0;
    /// `Picture1`: fills the area of the gauge that contains (x, y), bounded by white.
    virtual void fillGauge(int x, int y, GaugeFill fill) = 0;
    /// `MediaPlayer1`: plays a sound file, cutting off the one that plays; a missing file is
    /// skipped silently.
    virtual void playSound(const QString& path) = 0;
    /// Starts a timer (ticks every 100 ms) or stops it.
    virtual void setTimerRunning(PlayTimer timer, bool running) = 0;
};
