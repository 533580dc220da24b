#include "screens/image_control.h"

#include <QPainter>

ImageControl::ImageControl(const QString& name, bool stretch, QWidget* parent)
    : QWidget(parent), m_stretch(stretch) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageControl::setImage(const QImage& image) {
    m_image = image;
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (m_image.isNull())
        return;
    QPainter painter(this);
    if (m_stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), m_image);
    } else {
        painter.drawImage(0, 0, m_image);
    }
}
