#pragma once

#include "artwork/artwork.h"

#include <QImage>

// The painting of the built-in pictures by code. The build runs it once (artwork_baker) and
// embeds the pictures, which the program then reads through artwork.h; the content generator
// paints the gauge file with the same function as the built-in gauge, so the two cannot differ.
namespace artwork {

/// The button face or banner of `which`, at its size (see Words).
QImage paintWords(Words which);
/// The title, 400 x 399.
QImage paintTitle();
/// Radical 1 to 6 (言 亻 扌 糸 木 氵) in its left-hand form, white on black, 90 x 231.
QImage paintRadicalShape(int radicalNo);
/// The play panel, 640 x 400.
QImage paintPlayPanel();
/// The empty gauge: white outline, "不正解" above and "正解" below in yellow on magenta, 100 blue
/// cells between white lines (gauge_geometry.h). An indexed image with exactly the four colours
/// of gauge_art.h.
QImage paintEmptyGauge();
/// The icon at `size` pixels square, with alpha.
QImage paintIcon(int size);

} // namespace artwork
