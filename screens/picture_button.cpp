#include "screens/picture_button.h"

#include <QPixmap>

PictureButton::PictureButton(const QString& name, const QImage& picture, const QColor& backColour,
                             QWidget* parent)
    : QPushButton(parent), m_picture(picture) {
    setObjectName(name);
    setFlat(true);
    // The icon size equals the picture's, so the picture is never scaled (QIcon would not
    // scale it up anyway).
    setIcon(QIcon(QPixmap::fromImage(picture)));
    setIconSize(picture.size());
    setAutoFillBackground(true);
    if (backColour.isValid()) {
        QPalette pal = palette();
        pal.setColor(QPalette::Button, backColour);
        setPalette(pal);
    }
}
