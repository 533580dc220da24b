#include "screens/image_control.h"

#include "screens/accessible_roles.h"
#include "screens/device_pixels.h"

#include <QPainter>

ImageControl::ImageControl(const QString& name, bool stretch, QWidget* parent)
    : QWidget(parent), m_stretch(stretch) {
    accessible_roles::install();
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageControl::setPicture(const HiDpiPicture& picture) {
    m_picture = picture;
    m_drawn = QImage();
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    const QSize drawnSize = m_stretch ? size() : m_picture.size();
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.isNull() || m_drawnSize != drawnSize || m_drawn.devicePixelRatio() != ratio) {
        m_drawn = m_picture.drawn(drawnSize, ratio);
        m_drawnSize = drawnSize;
    }
    QPainter painter(this);
    drawDevicePixels(painter, m_drawn);
}
