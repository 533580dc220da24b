#include "tools/content/art_font.h"
#include "tools/content/game_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace content {

namespace {

const QColor kFeather(18, 16, 26);
const QColor kSheen(70, 70, 120);

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kRatingHeight);
    sky.setColorAt(0.0, QColor(38, 22, 72));
    sky.setColorAt(0.55, QColor(170, 70, 90));
    sky.setColorAt(1.0, QColor(250, 150, 60));
    p.fillRect(QRect(0, 0, kRatingWidth, kRatingHeight), sky);
    QRadialGradient sun(QPointF(122, 150), 62);
    sun.setColorAt(0.0, QColor(255, 225, 130));
    sun.setColorAt(0.8, QColor(255, 190, 90));
    sun.setColorAt(1.0, QColor(255, 170, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(122, 150), 62, 62);
}

void paintBranch(QPainter& p) {
    QPainterPath branch;
    branch.moveTo(-5, 196);
    branch.cubicTo(50, 182, 120, 186, 190, 170);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(70, 40, 25), 11, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(branch);
    QPainterPath twig;
    twig.moveTo(150, 176);
    twig.quadTo(165, 160, 176, 150);
    p.setPen(QPen(QColor(70, 40, 25), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(twig);
}

void paintCrow(QPainter& p) {
    // Legs first, so the body covers their tops.
    p.setPen(QPen(QColor(60, 55, 60), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(94, 150), QPointF(90, 184));
    p.drawLine(QPointF(110, 150), QPointF(108, 182));
    p.drawLine(QPointF(90, 184), QPointF(80, 188));
    p.drawLine(QPointF(108, 182), QPointF(98, 187));

    QPainterPath tail;
    tail.moveTo(128, 138);
    tail.lineTo(178, 178);
    tail.lineTo(168, 190);
    tail.lineTo(118, 156);
    tail.closeSubpath();

    QPainterPath body;
    body.moveTo(52, 100);
    body.cubicTo(60, 70, 120, 95, 138, 130);
    body.cubicTo(146, 152, 120, 166, 96, 162);
    body.cubicTo(66, 158, 46, 130, 52, 100);

    QPainterPath head;
    head.addEllipse(QPointF(62, 86), 23, 21);

    p.setPen(Qt::NoPen);
    p.setBrush(kFeather);
    p.drawPath(tail.united(body).united(head));

    // The wing, with a bluish sheen on its feathers.
    QPainterPath wing;
    wing.moveTo(70, 108);
    wing.cubicTo(96, 100, 130, 118, 150, 158);
    wing.cubicTo(120, 150, 92, 142, 70, 108);
    QLinearGradient sheen(70, 100, 150, 160);
    sheen.setColorAt(0.0, kSheen);
    sheen.setColorAt(1.0, kFeather);
    p.setBrush(sheen);
    p.drawPath(wing);
    p.setPen(QPen(kFeather, 1.5));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(96 + i * 12, 118 + i * 6), QPointF(120 + i * 9, 142 + i * 4));

    // An open beak calling out to the left.
    p.setPen(QPen(QColor(10, 10, 12), 1));
    p.setBrush(QColor(72, 70, 78));
    p.drawPolygon(QPolygonF({QPointF(46, 76), QPointF(10, 80), QPointF(44, 88)}));
    p.drawPolygon(QPolygonF({QPointF(44, 92), QPointF(16, 102), QPointF(48, 98)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 30, 40));
    p.drawPolygon(QPolygonF({QPointF(44, 88), QPointF(24, 92), QPointF(44, 92)}));

    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(60, 80), 5.5, 5.5);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(58.5, 80), 2.8, 2.8);
}

} // namespace

QImage crowPicture(int scale) {
    QImage image = artCanvas(kRatingWidth, kRatingHeight, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p);
    paintBranch(p);
    paintCrow(p);
    const QPainterPath call = minchoText(QStringLiteral("カァ"), 40, QPointF(58, 34));
    p.setPen(QPen(QColor(30, 20, 50), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(call);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240));
    p.drawPath(call);
    p.setPen(QPen(QColor(255, 255, 240), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 60), QPointF(18, 66));
    p.drawLine(QPointF(6, 74), QPointF(2, 80));
    return image;
}

} // namespace content
