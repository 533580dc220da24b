#include "artwork/painting.h"

#include "artwork/art_paint.h"
#include "artwork/art_text.h"

#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

// The title: "漢字" written large in ink down the left of a sheet of paper, a red sun behind it
// carrying "クイズ", the question "ある？ない？" and a seal at the foot.
namespace artwork {
namespace {

const QColor kPaper(246, 238, 219);
const QColor kInk(26, 20, 16);
const QColor kVermilion(200, 44, 34);
const QSize kTitleSize(400, 399);
// A fixed seed, so the paper's fibres (and the picture) are the same at every start.
constexpr quint32 kFibreSeed = 20240607;

void paper(QPainter& painter) {
    painter.fillRect(QRect(QPoint(0, 0), kTitleSize), kPaper);
    // Faint fibres, as in hand-made paper.
    QRandomGenerator random(kFibreSeed);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 260; ++i) {
        const QPointF from(random.bounded(400.0), random.bounded(399.0));
        const QPointF to = from + QPointF(random.bounded(30.0) - 15, random.bounded(30.0) - 15);
        const QPointF bend =
            (from + to) / 2 + QPointF(random.bounded(8.0) - 4, random.bounded(8.0) - 4);
        QPainterPath fibre(from);
        fibre.quadTo(bend, to);
        painter.setPen(QPen(QColor(150, 120, 80, 16 + int(random.bounded(18))), 0.8));
        painter.drawPath(fibre);
    }
    // A soft shade towards the edges.
    QRadialGradient shade(QPointF(200, 190), 300);
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(90, 60, 20, 60));
    painter.fillRect(QRect(QPoint(0, 0), kTitleSize), shade);
}

void border(QPainter& painter) {
    paint::outline(painter, QRect(7, 7, 386, 385), kVermilion);
    paint::outline(painter, QRect(9, 9, 382, 381), kVermilion);
    paint::outline(painter, QRect(13, 13, 374, 373), kVermilion.darker(110));
}

void sun(QPainter& painter) {
    const QPointF centre(282, 150);
    QRadialGradient red(centre - QPointF(30, 36), 130);
    red.setColorAt(0, QColor(232, 74, 56));
    red.setColorAt(1, QColor(176, 30, 24));
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawEllipse(centre, 94, 94);
    const QPainterPath quiz =
        text::fitted(QStringLiteral("クイズ"), QRectF(214, 126, 136, 50), 0.12);
    paint::lettering(painter, quiz, QColor(255, 250, 240), 1.4, {1.5, 1.5}, QColor(90, 0, 0, 120));
}

// Ink with a faint bleed around it, as on absorbent paper.
void ink(QPainter& painter, const QPainterPath& glyph, qreal weight) {
    paint::ink(painter, glyph, QColor(60, 40, 20, 28), weight + 2.2);
    paint::lettering(painter, glyph, kInk, weight);
}

void question(QPainter& painter) {
    const QPainterPath words =
        text::fitted(QStringLiteral("ある？ない？"), QRectF(180, 304, 150, 30), 0.02);
    ink(painter, words, 0.7);
}

void seal(QPainter& painter) {
    const QRectF stamp(338, 328, 40, 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kVermilion);
    painter.drawRoundedRect(stamp, 6, 6);
    paint::outline(painter, QRect(341, 331, 34, 34), kPaper);
    const QPainterPath mark = text::fitted(QStringLiteral("問"), stamp.adjusted(9, 9, -9, -9));
    paint::ink(painter, mark, kPaper, 0.8);
}

} // namespace

QImage paintTitle(int scale) {
    QImage image = paint::canvas(kTitleSize, kPaper, scale);
    QPainter painter(&image);
    paper(painter);
    border(painter);
    sun(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    ink(painter, text::fitted(QStringLiteral("漢"), QRectF(30, 30, 160, 160)), 2.6);
    ink(painter, text::fitted(QStringLiteral("字"), QRectF(34, 200, 156, 160)), 2.6);
    question(painter);
    seal(painter);
    painter.end();
    return paint::finished(image);
}

} // namespace artwork
