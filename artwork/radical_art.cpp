#include "artwork/radical_art.h"

#include "artwork/art_paint.h"
#include "artwork/art_text.h"
#include "artwork/painting.h"
#include "facts/content_catalogue.h"
#include "facts/radicals.h"

#include <QPainter>
#include <algorithm>

// The menu's radical buttons. Each radical is drawn in the form it takes on the left of a
// character (訁 for 言, 糹 for 糸), cut from a real kanji: that form is tall and narrow by nature,
// so it fills the tall button without being stretched, and it is the form the player then sees
// in the play screens' radical pictures.
namespace artwork {
namespace {

// Outlines are taken at this many pixels to the em.
constexpr qreal kDesignEm = 1000;
// One scale for all six, so their strokes match: the em square is this many pixels on the
// button. The tallest left part then keeps about twenty pixels clear above and below.
constexpr qreal kEmPixels = 205;
// A left part wider than this is narrowed to it, keeping the same height.
constexpr qreal kMostWidth = 80;
// Extra pen on every side: the mincho's hairlines would look faint at this size.
constexpr qreal kWeight = 0.6;

} // namespace

QList<QPainterPath> outlineContours(const QPainterPath& path) {
    QList<QPainterPath> parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            parts.append(QPainterPath());
            parts.last().moveTo(e.x, e.y);
        } else if (e.isLineTo()) {
            parts.last().lineTo(e.x, e.y);
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            parts.last().cubicTo(QPointF(e.x, e.y), QPointF(c2.x, c2.y), QPointF(end.x, end.y));
            i += 2;
        }
    }
    return parts;
}

QPainterPath leftPart(const QPainterPath& glyph, qreal em) {
    const QList<QPainterPath> parts = outlineContours(glyph);
    QList<qreal> centres;
    for (const QPainterPath& part : parts)
        centres.append(part.boundingRect().center().x());
    std::sort(centres.begin(), centres.end());
    // The middle of the em, measured from the ink's left edge, so that the face's side bearing
    // does not matter.
    const qreal inkLeft = glyph.boundingRect().left();
    qreal split = -1;
    qreal widest = 0;
    for (qsizetype i = 1; i < centres.size(); ++i) {
        const qreal middle = (centres[i - 1] + centres[i]) / 2;
        const qreal gap = centres[i] - centres[i - 1];
        if (middle - inkLeft > 0.2 * em && middle - inkLeft < 0.55 * em && gap > widest) {
            widest = gap;
            split = middle;
        }
    }
    QPainterPath left;
    left.setFillRule(Qt::WindingFill);
    if (split < 0)
        return left;
    for (const QPainterPath& part : parts)
        if (part.boundingRect().center().x() < split)
            left.addPath(part);
    return left;
}

QPainterPath radicalLeftPart(int radicalNo) {
    QPainterPath whole;
    whole.addText(0, 0, text::mincho(kDesignEm), radicalSource(radicalNo));
    const QPainterPath left = leftPart(whole, kDesignEm);
    if (!left.isEmpty())
        return left;
    whole.setFillRule(Qt::WindingFill);
    return whole;
}

QImage paintRadicalShape(int radicalNo, int scale) {
    // The size of the radical pictures of the play screens, which show the same form.
    const QSize size = content_catalogue::kRadicalPictureSize;
    QImage image = paint::canvas(size, Qt::black, scale);
    QPainter painter(&image);
    const QPainterPath left = radicalLeftPart(radicalNo);
    const qreal em = kEmPixels / kDesignEm;
    const qreal narrowing = qMin(1.0, kMostWidth / (left.boundingRect().width() * em));
    const QPainterPath shape =
        text::stretched(left, em * narrowing, em, QRectF(QPointF(0, 0), size));
    paint::lettering(painter, shape, Qt::white, kWeight);
    painter.end();
    return paint::finished(image);
}

} // namespace artwork
