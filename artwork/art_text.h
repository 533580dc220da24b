#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

// Lettering shared by the built-in pictures: one Japanese mincho face, text as outlines so that
// it can be centred on its ink and scaled to fit.
namespace artwork::text {

/// The Japanese mincho face (font_faces::kMinchoFamily) at `pixelSize`; the font file is registered
/// with Qt on first use when fontconfig does not already offer it.
QFont mincho(qreal pixelSize);

/// `text` as an outline in `font`, with `spacing` extra pixels between characters, its ink box
/// centred on `box`.
QPainterPath centred(const QString& text, const QFont& font, const QRectF& box, qreal spacing = 0);

/// `text` as an outline scaled as large as fits `box` (keeping its proportions), `spacing` extra
/// space between characters as a fraction of the character size, its ink centred on `box`.
QPainterPath fitted(const QString& text, const QRectF& box, qreal spacing = 0);

/// `path` scaled by `sx` and `sy` about the centre of its ink, then centred on `box`.
QPainterPath stretched(const QPainterPath& path, qreal sx, qreal sy, const QRectF& box);

} // namespace artwork::text
