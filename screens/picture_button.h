#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>

/// A graphical button: no caption text, its picture drawn centred at its own size, the button's
/// back colour filling the rest of the face.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    /// `name` becomes the objectName; an invalid `backColour` keeps the platform's button face.
    PictureButton(const QString& name, const QImage& picture, const QColor& backColour,
                  QWidget* parent);

    /// The picture on the face, at the size it is drawn.
    QImage picture() const { return m_picture; }

private:
    QImage m_picture;
};
