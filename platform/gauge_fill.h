#pragma once

#include <QImage>
#include <QRgb>

/// Paints the 4-connected area of `image` that contains (x, y) and is bounded by pixels of
/// exactly `boundary` (white by default) in `fill`; a scanline fill, pixel-exact. The image is
/// converted to 32-bit colour first if it is not. Returns the number of pixels painted: 0 when
/// the seed lies outside the image or on the boundary colour.
int floodFill(QImage& image, int x, int y, QRgb fill, QRgb boundary = 0xffffffff);
