#pragma once

#include "screens/hidpi_picture.h"

#include <QImage>
#include <QWidget>

/// An image control: draws its picture from the top-left corner at the picture's own size, or
/// scaled to the whole control when it stretches, at the window's device pixel ratio.
/// Transparent where it draws nothing. Screen readers see it as an image.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(const QString& name, bool stretch, QWidget* parent);

    /// Replaces the picture and repaints.
    void setPicture(const HiDpiPicture& picture);
    /// Replaces the picture with one that has no 2x form.
    void setImage(const QImage& image) { setPicture(HiDpiPicture(image)); }
    /// The picture in its 1x form.
    QImage image() const { return m_picture.base(); }
    const HiDpiPicture& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HiDpiPicture m_picture;
    // The picture in the screen's pixel format, as it is drawn at the window's ratio: made once
    // per picture and ratio, not at every repaint.
    QImage m_drawn;
    QSize m_drawnSize;
    bool m_stretch;
};
