#pragma once

#include "screens/hidpi_picture.h"

#include <QColor>
#include <QImage>
#include <QPushButton>

/// A graphical button: no caption text, its picture drawn centred at its own size and at the
/// window's device pixel ratio, the button's back colour filling the rest of the face. The
/// keyboard focus shows as a frame inside the face; an answer the player has given but the game
/// has not yet judged shows as held.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    /// `name` becomes the objectName; an invalid `backColour` keeps the platform's button face.
    PictureButton(const QString& name, const HiDpiPicture& picture, const QColor& backColour,
                  QWidget* parent);

    /// The picture on the face in its 1x form, at the size it is drawn.
    QImage picture() const { return m_picture.base(); }
    /// The picture with its 2x form.
    const HiDpiPicture& pictures() const { return m_picture; }

    /// Shows the button as held down (an answer waiting for its judgement), or not.
    void setHeld(bool held);
    bool isHeld() const { return m_held; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    HiDpiPicture m_picture;
    bool m_held = false;
};
