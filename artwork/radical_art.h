#pragma once

#include <QList>
#include <QPainterPath>

// How a radical's left-hand form is cut from a real kanji (radicalSource() in shell/radicals.h):
// the menu's radical shapes (paintRadicalShape) and the content's radical pictures both take it
// from here, so that both show the same form.
namespace artwork {

/// The closed contours of an outline, each a path of its own, curves kept.
QList<QPainterPath> outlineContours(const QPainterPath& path);

/// The contours of `glyph` (a kanji's outline at `em` pixels to the em) that make its left part:
/// those whose centres lie left of the widest gap between contour centres in the middle of the
/// em (strokes of the two parts may overlap in x, their centres do not). Empty when the glyph
/// does not divide there.
QPainterPath leftPart(const QPainterPath& glyph, qreal em);

/// The left part of radicalSource(radicalNo) in the menu's mincho face, at 1000 pixels to the em;
/// the whole character when the face at hand does not divide (a fallback face).
QPainterPath radicalLeftPart(int radicalNo);

} // namespace artwork
