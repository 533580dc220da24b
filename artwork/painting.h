#pragma once

#include "artwork/artwork.h"

#include <QImage>

// The painting of the built-in pictures by code. The build runs it once (artwork_baker) and
// embeds the pictures, which the program then reads through artwork.h; the content generator
// paints the gauge file with the same function as the built-in gauge, so the two cannot differ.
//
// Each picture is painted at a scale of 1 (its size as given below, for a device pixel ratio of
// 1) or 2 (twice as many pixels each way, for high-DPI screens): the same drawing, sharp at
// either scale.
namespace artwork {

/// The button face or banner of `which`, at its size (see Words).
QImage paintWords(Words which, int scale = 1);
/// The title, 400 x 399.
QImage paintTitle(int scale = 1);
/// Radical 1 to 6 (言 亻 扌 糸 木 氵) in its left-hand form, white on black, 90 x 231.
QImage paintRadicalShape(int radicalNo, int scale = 1);
/// The play panel, 640 x 400.
QImage paintPlayPanel(int scale = 1);
/// The empty gauge: white outline, "不正解" above and "正解" below in yellow on magenta, 100 blue
/// cells between white lines (gauge_geometry.h; at a scale of 2 every line and cell twice as
/// thick). An indexed image with exactly the four colours of gauge_art.h.
QImage paintEmptyGauge(int scale = 1);
/// The icon at `size` pixels square, with alpha.
QImage paintIcon(int size);

} // namespace artwork
