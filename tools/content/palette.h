#pragma once

#include <QImage>

// Turning drawn pictures into the indexed images that GIF stores. Both functions are
// deterministic: the same pixels always give the same palette and indices.
namespace content {

/// A grey picture (white ink on black) as an indexed image of `levels` evenly spaced greys
/// (2..256), each pixel rounded to the nearest level, so antialiased edges stay crisp.
QImage toGreyLevels(const QImage& picture, int levels);

/// A colour picture as an indexed image of at most `maxColours` colours (2..256): the exact
/// colours when there are few enough, else a median-cut palette with each pixel mapped to its
/// nearest palette colour. Alpha is ignored (pictures are drawn opaque).
QImage toPalette(const QImage& picture, int maxColours);

} // namespace content
