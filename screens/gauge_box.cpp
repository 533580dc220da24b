#include "screens/gauge_box.h"

#include "platform/gauge_fill.h"

#include <QPainter>

GaugeBox::GaugeBox(const QString& name, const QImage& image, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setImage(image);
}

void GaugeBox::setImage(const QImage& image) {
    // Opaque 32-bit colour once, so that every fill paints in place and every repaint copies
    // the pixels without a conversion.
    m_image = image.convertToFormat(QImage::Format_RGB32);
    update();
}

void GaugeBox::fill(int x, int y, QRgb colour) {
    floodFill(m_image, x, y, colour);
    update();
}

void GaugeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
