#include "artwork/art_paint.h"

#include <QLinearGradient>
#include <QPainter>

namespace artwork::paint {

QImage canvas(QSize size, const QColor& colour, int scale) {
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(colour);
    return image;
}

QImage finished(const QImage& canvas) {
    return canvas.convertToFormat(QImage::Format_RGB32);
}

void buttonFace(QPainter& painter, const QRect& rect, const QColor& light, const QColor& dark) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient body(rect.topLeft(), rect.bottomLeft());
    body.setColorAt(0, light);
    body.setColorAt(1, dark);
    painter.fillRect(rect, body);
    // A soft gloss on the upper half, as on a lacquered surface.
    const QRect upper(rect.left() + 2, rect.top() + 2, rect.width() - 4, rect.height() / 2 - 2);
    QLinearGradient gloss(upper.topLeft(), upper.bottomLeft());
    gloss.setColorAt(0, QColor(255, 255, 255, 90));
    gloss.setColorAt(1, QColor(255, 255, 255, 15));
    painter.fillRect(upper, gloss);
    // Bevel: light from the upper left.
    const QColor edgeLight = light.lighter(150);
    const QColor edgeDark = dark.darker(170);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 2), edgeLight);
    painter.fillRect(QRect(rect.left(), rect.top(), 2, rect.height()), edgeLight);
    painter.fillRect(QRect(rect.left(), rect.bottom() - 1, rect.width(), 2), edgeDark);
    painter.fillRect(QRect(rect.right() - 1, rect.top(), 2, rect.height()), edgeDark);
    painter.restore();
}

void ink(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal weight) {
    const QColor solid(colour.red(), colour.green(), colour.blue());
    auto draw = [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(solid);
        if (weight > 0)
            p.setPen(QPen(solid, 2 * weight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            p.setPen(Qt::NoPen);
        p.drawPath(path);
    };
    painter.save();
    if (colour.alpha() == 255) {
        draw(painter);
    } else {
        // Fill and outline overlap; drawn opaque on a layer first, they cover evenly.
        const QRect area = path.boundingRect()
                               .adjusted(-weight - 2, -weight - 2, weight + 2, weight + 2)
                               .toAlignedRect();
        // At the canvas's own scale, so that the layer is as sharp as the canvas.
        const qreal scale = painter.device()->devicePixelRatio();
        QImage layer(area.size() * scale, QImage::Format_ARGB32_Premultiplied);
        layer.setDevicePixelRatio(scale);
        layer.fill(Qt::transparent);
        QPainter onLayer(&layer);
        onLayer.translate(-area.topLeft());
        draw(onLayer);
        onLayer.end();
        painter.setOpacity(colour.alphaF());
        painter.drawImage(area.topLeft(), layer);
    }
    painter.restore();
}

void lettering(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal weight,
               const QPointF& shadowOffset, const QColor& shadow) {
    if (!shadowOffset.isNull())
        ink(painter, path.translated(shadowOffset), shadow, weight);
    ink(painter, path, colour, weight);
}

void outline(QPainter& painter, const QRect& rect, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
    painter.restore();
}

} // namespace artwork::paint
