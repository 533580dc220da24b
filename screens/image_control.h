#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

/// An image control: draws its picture from the top-left corner at the picture's own size, or
/// scaled to the whole control when it stretches. Transparent where it draws nothing. Screen
/// readers see it as an image.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(const QString& name, bool stretch, QWidget* parent);

    /// Replaces the picture and repaints.
    void setImage(const QImage& image);
    QImage image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    // The picture in the screen's pixel format, at the size it is drawn: converted once per
    // picture, not at every repaint.
    QPixmap m_drawn;
    bool m_stretch;
};
