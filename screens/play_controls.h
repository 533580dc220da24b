#pragma once

#include "artwork/artwork.h"
#include "round/play_view.h"

#include <QString>
#include <array>

class GaugeBox;
class ImageControl;
class PictureButton;
class QLabel;
class QTimer;
class QWidget;
class SoundPlayer;

/// What tells the two play screens apart in their definitions.
struct PlayScreenDefinition {
    artwork::Words banner; ///< the mode banner in Image4
    QString bannerName;    ///< its words, for screen readers
    bool hasCountdown;     ///< Image6, Timer3 to Timer6 and the countdown's sounds (speed screen)
};

/// The controls of a play screen, by their names on the screen; the window owns them.
struct PlayControls {
    /// `Image1` to `Image6`: the panel, the radical, the character, the mode banner, the rating
    /// and the countdown (the speed screen only).
    std::array<ImageControl*, 6> images{};
    QLabel* score = nullptr;                   ///< `Label1`
    QLabel* questionNumber = nullptr;          ///< `Label2`
    GaugeBox* gauge = nullptr;                 ///< `Picture1`
    PictureButton* back = nullptr;             ///< `Command1`
    std::array<PictureButton*, 2> answers{};   ///< `Command2(0)` "ある", `Command2(1)` "ない"
    PictureButton* anotherGame = nullptr;      ///< `Command3`
    std::array<QTimer*, kPlayTimers> timers{}; ///< `Timer1` to `Timer6` (3 to 6: speed screen)
    SoundPlayer* sound = nullptr;              ///< `MediaPlayer1`

    /// `ImageN` (1 to 6); null for one the screen does not have.
    ImageControl* image(int n) const { return images[static_cast<std::size_t>(n - 1)]; }
};

/// The interval of a running timer; a QTimer with interval 0 would fire without pause, so a
/// timer the game stops is stopped rather than set to 0.
inline constexpr int kTickMilliseconds = 100;

/// Makes `window` a play screen: its window properties, and every control of the definition
/// placed by the one table of play-screen controls, with its picture, its names for screen
/// readers, its initial state and the tab order. The screen's sounds are loaded from `appPath`.
PlayControls buildPlayScreen(QWidget* window, const PlayScreenDefinition& definition,
                             const QString& appPath);

/// What screen readers hear about the gauge: what its cells mean, and once a game is rated
/// that pointing at a cell reviews its question.
QString gaugeDescription(bool reviewable);
