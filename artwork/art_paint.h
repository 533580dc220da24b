#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRect>

class QPainter;

// Painting steps shared by the built-in pictures.
namespace artwork::paint {

/// A picture of `size` filled with `colour`, ready for an antialiased painter, with `scale`
/// pixels to each pixel of `size`: it has that device pixel ratio, so everything is painted in
/// the coordinates of `size` and comes out sharp at the scale.
QImage canvas(QSize size, const QColor& colour, int scale = 1);

/// The finished picture in the form the screens take: opaque 32-bit colour.
QImage finished(const QImage& canvas);

/// A raised button face over `rect`: a vertical gradient from `light` to `dark`, a glossy upper
/// half, a light upper-left edge and a dark lower-right edge.
void buttonFace(QPainter& painter, const QRect& rect, const QColor& light, const QColor& dark);

/// `path` filled with `colour` and grown by `weight` pixels on every side (a round-jointed
/// outline), which makes thin mincho strokes look bold. A translucent colour covers evenly.
void ink(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal weight);

/// Lettering: `path` filled with `colour` over a soft shadow `shadowOffset` away (no shadow when
/// the offset is null), thickened by `weight` pixels.
void lettering(QPainter& painter, const QPainterPath& path, const QColor& colour, qreal weight,
               const QPointF& shadowOffset = {}, const QColor& shadow = QColor(0, 0, 0, 150));

/// A 1-pixel outline on the pixels at the edges of `rect` (left, top, right, bottom inclusive).
void outline(QPainter& painter, const QRect& rect, const QColor& colour);

} // namespace artwork::paint
