#pragma once

#include "artwork/artwork.h"
#include "round/game_state.h"
#include "round/play_view.h"
#include "screens/control_geometry.h"
#include "screens/screen_window.h"
#include "shell/shared_state.h"

#include <QStringList>
#include <array>
#include <span>

class GaugeBox;
class ImageControl;
class PictureButton;
class QLabel;
class QTimer;
class SoundPlayer;

/// What tells the two play screens apart in their definitions.
struct PlayScreenDefinition {
    std::span<const screen_geometry::ControlGeometry> controls; ///< front to back
    artwork::Words banner;                                      ///< the mode banner in Image4
    QString bannerName;                                         ///< its words, for screen readers
    bool hasCountdown; ///< Image6, Timer3 to Timer6 and the countdown's sounds (the speed screen)
};

/// A play screen: the panel, gauge, labels, answer buttons, timers and sound of `じっくり` and
/// `スピード`. It is the round engine's view; the flows behind it are the subclasses' own.
class PlayScreen : public ScreenWindow, public PlayView {
    Q_OBJECT
public:
    PlayScreen(const PlayScreenDefinition& definition, const SharedState& shared,
               ErrorPath& errorPath, QWidget* parent = nullptr);
    ~PlayScreen() override;

    void setText(PlayText text, const QString& value) override;
    void setShown(PlayControl control, bool shown) override;
    void loadPicture(PlayControl control, const QString& path) override;
    void loadGauge(const QString& path) override;
    void fillGauge(int x, int y, GaugeFill fill) override;
    void playSound(const QString& path) override;
    void setTimerRunning(PlayTimer timer, bool running) override;

    /// Stops every timer and the sound.
    void unload() override;

Q_SIGNALS:
    /// Command1: back to the menu.
    void menuRequested();

protected:
    /// Command2(index), already guarded.
    virtual void answerPressed(int index) = 0;
    /// A tick of a running timer, already guarded.
    virtual void timerTicked(PlayTimer timer) = 0;
    /// Command3, already guarded.
    virtual void anotherGamePressed() = 0;
    /// The screen's game state, read by the review of a finished game.
    virtual const GameState& gameState() const = 0;

private:
    void buildPictures(const PlayScreenDefinition& definition);
    void buildLabels();
    void buildButtons();
    void buildTimers(bool hasCountdown);
    QWidget* control(PlayControl control) const;
    ImageControl* image(PlayControl control) const;
    QString describePicture(PlayControl control, const QString& path) const;
    QString reviewOfCell(int cell) const;

    const SharedState& m_shared;
    QString m_bannerName;
    std::array<ImageControl*, 6> m_images{}; // Image1 to Image6 (Image6 on the speed screen only)
    QLabel* m_scoreLabel = nullptr;          // Label1
    QLabel* m_questionLabel = nullptr;       // Label2
    GaugeBox* m_gauge = nullptr;             // Picture1
    PictureButton* m_anotherGame = nullptr;  // Command3
    std::array<QTimer*, 6> m_timers{};       // Timer1 to Timer6
    SoundPlayer* m_sound = nullptr;          // MediaPlayer1
};
