#pragma once

#include <QString>

// What the round engine may do to a play screen. Each play-screen widget implements it; tests
// use a recording fake. The names are the screens' control names.

/// Controls whose visibility or picture the game changes.
enum class PlayControl {
    Image2,   ///< radical picture
    Image3,   ///< character picture
    Image4,   ///< mode banner
    Image5,   ///< medal or crow
    Image6,   ///< countdown picture (speed screen only)
    Command3, ///< another game
};

/// Texts the game writes.
enum class PlayText {
    Title,  ///< the window's title
    Label1, ///< score in percent
    Label2, ///< question number
};

/// The screen's timers; Timer3 to Timer6 exist on the speed screen only.
enum class PlayTimer { Timer1, Timer2, Timer3, Timer4, Timer5, Timer6 };

/// Fill colours of the gauge: green for a right answer, red for a wrong one.
enum class GaugeFill { Right, Wrong };

class PlayView {
public:
    virtual ~PlayView() = default;

    virtual void setText(PlayText text, const QString& value) = 0;
    virtual void setShown(PlayControl control, bool shown) = 0;
    /// Loads a picture file into an image control. A missing or undecodable file throws
    /// ContentError.
    virtual void loadPicture(PlayControl control, const QString& path) = 0;
    /// Replaces the gauge, painted cells and all, by the picture at `path` (throws likewise).
    virtual void loadGauge(const QString& path) = 0;
    /// Fills the area of the gauge that contains (x, y), bounded by white.
    virtual void fillGauge(int x, int y, GaugeFill fill) = 0;
    /// Plays a sound file, cutting off the one that plays; a missing file is skipped silently.
    virtual void playSound(const QString& path) = 0;
    /// Starts a timer (ticks every 100 ms) or stops it.
    virtual void setTimerRunning(PlayTimer timer, bool running) = 0;
};
