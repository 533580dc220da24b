#pragma once

#include <QGroupBox>

/// The menu's mode frame `Frame1`: a frame whose caption (the chosen radical's name) is drawn
/// large and bold in its top strip, above the mode buttons, so that it reads at a glance. The
/// caption is the group box's title, as screen readers and the rest of the program know it.
class ModeFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit ModeFrame(QWidget* parent);

    /// Height in pixels of the strip above the mode buttons that the caption may take.
    static constexpr int kCaptionStrip = 21;

protected:
    void paintEvent(QPaintEvent* event) override;
};
