#include "tools/content/art_font.h"
#include "tools/content/game_art.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace content {

namespace {

struct Metal {
    QColor light, base, dark;
};

Metal metalOf(Medal medal) {
    switch (medal) {
    case Medal::Gold:
        return {QColor(255, 240, 150), QColor(222, 178, 40), QColor(140, 95, 10)};
    case Medal::Silver:
        return {QColor(250, 250, 255), QColor(190, 194, 204), QColor(105, 110, 125)};
    case Medal::Copper:
        break;
    }
    return {QColor(250, 190, 140), QColor(190, 110, 55), QColor(110, 55, 20)};
}

// One band of the ribbon: a strip from the top edge down behind the medal.
void ribbonBand(QPainter& p, QPointF topLeft, QPointF bottomLeft, qreal width,
                const QColor& colour) {
    QPolygonF band;
    band << topLeft << topLeft + QPointF(width, 0) << bottomLeft + QPointF(width, 0) << bottomLeft;
    p.setPen(QPen(colour.darker(160), 1.5));
    p.setBrush(colour);
    p.drawPolygon(band);
    // A white stripe down the middle of the band.
    const qreal inset = width * 0.4;
    QPolygonF stripe;
    stripe << topLeft + QPointF(inset, 0) << topLeft + QPointF(width - inset, 0)
           << bottomLeft + QPointF(width - inset, 0) << bottomLeft + QPointF(inset, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 250, 250));
    p.drawPolygon(stripe);
}

QPainterPath star(QPointF centre, qreal outer, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const QPointF pt = centre + QPointF(r * std::cos(a), r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

} // namespace

QImage artCanvas(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

QImage medalPicture(Medal medal, int scale) {
    const Metal metal = metalOf(medal);
    QImage image = artCanvas(kRatingWidth, kRatingHeight, scale);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor ribbonRed(200, 30, 45);
    const QColor ribbonBlue(30, 60, 170);
    ribbonBand(p, QPointF(30, 0), QPointF(70, 100), 38, ribbonBlue);
    ribbonBand(p, QPointF(116, 0), QPointF(76, 100), 38, ribbonRed);

    const QPointF centre(92, 145);
    const qreal radius = 74;
    QRadialGradient disc(centre + QPointF(-25, -30), radius * 1.6);
    disc.setColorAt(0.0, metal.light);
    disc.setColorAt(0.45, metal.base);
    disc.setColorAt(1.0, metal.dark);
    p.setPen(QPen(metal.dark, 3));
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
    // A raised rim: an inner ring, light on the upper left and dark on the lower right.
    QLinearGradient rim(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    rim.setColorAt(0.0, metal.light);
    rim.setColorAt(1.0, metal.dark);
    p.setPen(QPen(QBrush(rim), 4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 10, radius - 10);

    p.setPen(QPen(metal.dark, 1.2));
    p.setBrush(metal.light);
    for (const qreal dx : {-26.0, 0.0, 26.0})
        p.drawPath(star(centre + QPointF(dx, -36), 9, 4));

    const QPainterPath words = minchoText(QStringLiteral("合格"), 50, centre + QPointF(0, 10));
    p.setPen(QPen(metal.light, 2.5));
    p.setBrush(metal.dark);
    p.drawPath(words.translated(1.5, 1.5));
    p.setPen(Qt::NoPen);
    p.drawPath(words);
    return image;
}

QImage countdownPicture(int digit, int scale) {
    QImage image = artCanvas(kCountdownWidth, kCountdownHeight, scale);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kCountdownWidth / 2.0, kCountdownHeight / 2.0);
    const QPainterPath number = minchoText(QString::number(digit), 100, centre);
    QLinearGradient fill(0, centre.y() - 38, 0, centre.y() + 38);
    fill.setColorAt(0.0, QColor(255, 245, 120));
    fill.setColorAt(1.0, QColor(255, 120, 20));
    p.setPen(QPen(QColor(200, 20, 20), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(number);
    p.setPen(QPen(QColor(255, 250, 220), 1.5));
    p.setBrush(fill);
    p.drawPath(number);
    return image;
}

} // namespace content
