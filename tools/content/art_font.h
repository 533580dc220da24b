#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace content {

/// The outline of `text` in the mincho font file, `pixelSize` pixels to the em, laid out left to
/// right, centred on `centre` (by its ink). Throws std::runtime_error naming the font and the
/// character when a glyph is missing.
QPainterPath minchoText(const QString& text, qreal pixelSize, QPointF centre);

} // namespace content
