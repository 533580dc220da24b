#pragma once

#include "round/play_view.h"
#include "screens/hidpi_picture.h"
#include "screens/play_controls.h"
#include "shell/shared_state.h"

class QWidget;

/// The round engine's view of a play screen, over its controls. Every picture it loads gets a
/// name for screen readers from what the game says it is, never from its file; the question's
/// picture is named by the screen.
class PlayScreenView : public PlayView {
public:
    /// Works on the controls of `window`; all must outlive the view.
    PlayScreenView(QWidget* window, const PlayControls& controls, const SharedState& shared);

    void setText(PlayText text, const QString& value) override;
    void setShown(PlayControl control, bool shown) override;
    void loadRadicalPicture(const QString& path) override;
    void loadCharacterPicture(const QString& path) override;
    void loadRatingPicture(Rating rating, const QString& path) override;
    void loadCountdownPicture(int number, const QString& path) override;
    void loadGauge(const QString& path) override;
    void fillGauge(int x, int y, GaugeFill fill) override;
    void playSound(const QString& path) override;
    void setTimerRunning(PlayTimer timer, bool running) override;

private:
    QWidget* control(PlayControl control) const;
    /// The picture at `path` and, on a high-DPI screen, its 2x form, both decoded (the gauge's
    /// fills and checks need both).
    HiDpiPicture loadPictures(const QString& path) const;
    /// The same for a picture that is only shown: on a high-DPI screen with a 2x form, the
    /// 1x form is decoded only when asked for.
    HiDpiPicture loadShownPicture(const QString& path) const;
    /// Loads `ImageN`; a null name leaves its name as it is.
    void loadPicture(int imageNo, const QString& path, const QString& name);

    QWidget* m_window;
    const PlayControls& m_controls;
    const SharedState& m_shared;
};
