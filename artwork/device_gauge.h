#pragma once

#include "artwork/gauge_layout.h"

#include <QImage>
#include <QPoint>

// The gauge as a screen of more than one device pixel to the pixel shows it: a gauge picture
// (the built-in one or a content file, with the cells the game has painted) laid out again in
// whole device pixels (gauge_layout.h).
namespace artwork {

/// `gauge`, the gauge's own picture (81 x 361) with its painted cells, laid out in `layout`: the
/// outline and the lines white, each cell in the colours of its own rows and columns (never
/// blended, so a cell never turns white and an area fill still paints exactly it), the label
/// strips taken from `labels` (the same gauge at a whole `labelsScale`: its 2x form, or `gauge`
/// itself at 1), scaled smoothly by one factor to fit and centred on their ground. Opaque 32-bit
/// colour.
QImage layOutGauge(const QImage& gauge, const QImage& labels, int labelsScale,
                   const GaugeLayout& layout);

/// The pixel of a gauge laid out in `layout` that shows pixel (x, y) of the gauge's own picture;
/// an area fill seeded there paints the same cell.
QPoint layoutPixel(int x, int y, const GaugeLayout& layout);

} // namespace artwork
