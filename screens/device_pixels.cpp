#include "screens/device_pixels.h"

#include <QImage>
#include <QPainter>

void drawDevicePixels(QPainter& painter, const QImage& image) {
    const QTransform toDevice = painter.deviceTransform();
    const QPointF corner = toDevice.map(QPointF(0, 0));
    painter.setWorldTransform(toDevice.inverted());
    // The rectangle form takes the image's pixels as they are, whatever its own ratio.
    painter.drawImage(QRectF(QPointF(qRound(corner.x()), qRound(corner.y())), image.size()), image,
                      QRectF(image.rect()));
}
