#pragma once

#include "facts/gauge_geometry.h"

// The gauge laid out in whole device pixels, for screens with more than one device pixel to
// the pixel. Drawn as they fall, the 2-pixel cells and 1-pixel lines would take 3 and 1.5 device
// pixels at a ratio of 1.5: the lines would alternate between one and two device pixels, the
// cells between three and four, and the gauge would show uneven stripes. Laid out again, every
// cell takes the same whole number of device pixels, so does every line, and the two label
// strips take what is left. At a whole ratio this is the gauge's own geometry scaled (at 2:
// cells of 4, lines of 2). The game still speaks in the gauge's own pixels (gauge_geometry.h);
// a layout tells where they fall. Plain C++ without Qt, like the geometry.
namespace artwork {

/// Where the parts of the gauge lie in a picture of it, in that picture's pixels.
struct GaugeLayout {
    int width = gauge::kWidth;
    int height = gauge::kHeight;
    int line = 1;                         ///< rows of each white line, columns of the outline
    int cell = gauge::kCellPitch - 1;     ///< rows of each cell
    int topLabel = gauge::kFirstLine - 1; ///< rows of the label strip above the first line

    constexpr int pitch() const { return cell + line; }
    /// First row of the white line above cell k (k = 1..101: 101 is the line below cell 100).
    constexpr int lineTop(int k) const { return line + topLabel + (k - 1) * pitch(); }
    /// First row of cell k counted from the top (k = 1..100).
    constexpr int cellTop(int k) const { return lineTop(k) + line; }
    /// First row of the label strip below the last line, and its rows.
    constexpr int bottomLabelTop() const { return lineTop(gauge::kCells + 1) + line; }
    constexpr int bottomLabel() const { return height - line - bottomLabelTop(); }
    /// The columns inside the outline, which every cell and white line spans.
    constexpr int innerLeft() const { return line; }
    constexpr int innerWidth() const { return width - 2 * line; }

    constexpr bool operator==(const GaugeLayout&) const = default;
};

namespace gauge_layout_detail {

// `offset` pixels into a part of `from` pixels, mapped proportionally into a part of `to`
// pixels, at the middle of the pixel.
constexpr int within(int offset, int from, int to) {
    return from <= 0 ? 0 : (2 * offset + 1) * to / (2 * from);
}

} // namespace gauge_layout_detail

/// The row of a gauge laid out in `to` that shows what row `row` of the same gauge laid out in
/// `from` shows: the same part (the outline, a label strip, the line above cell k, cell k),
/// proportionally within it. Rows beyond the gauge map beyond it.
constexpr int gaugeMapRow(int row, const GaugeLayout& from, const GaugeLayout& to) {
    using gauge_layout_detail::within;
    if (row < 0)
        return row;
    if (row < from.line)
        return within(row, from.line, to.line);
    if (row < from.lineTop(1))
        return to.line + within(row - from.line, from.topLabel, to.topLabel);
    if (row < from.bottomLabelTop()) {
        const int offset = row - from.lineTop(1);
        const int k = offset / from.pitch() + 1;
        const int into = offset % from.pitch();
        return into < from.line ? to.lineTop(k) + within(into, from.line, to.line)
                                : to.cellTop(k) + within(into - from.line, from.cell, to.cell);
    }
    const int bottomLine = from.height - from.line;
    if (row < bottomLine)
        return to.bottomLabelTop() +
               within(row - from.bottomLabelTop(), from.bottomLabel(), to.bottomLabel());
    if (row < from.height)
        return to.height - to.line + within(row - bottomLine, from.line, to.line);
    return to.height + row - from.height;
}

/// The column of a gauge laid out in `to` that shows what column `column` of `from` shows.
constexpr int gaugeMapColumn(int column, const GaugeLayout& from, const GaugeLayout& to) {
    using gauge_layout_detail::within;
    if (column < 0)
        return column;
    if (column < from.line)
        return within(column, from.line, to.line);
    if (column < from.width - from.line)
        return to.line + within(column - from.line, from.innerWidth(), to.innerWidth());
    if (column < from.width)
        return to.width - to.line + within(column - (from.width - from.line), from.line, to.line);
    return to.width + column - from.width;
}

/// The gauge's own geometry at a whole `scale`: every row and column `scale` times over.
constexpr GaugeLayout gaugeLayoutAtScale(int scale) {
    return {gauge::kWidth * scale, gauge::kHeight * scale, scale, (gauge::kCellPitch - 1) * scale,
            (gauge::kFirstLine - 1) * scale};
}

static_assert(gaugeLayoutAtScale(1).cellTop(1) == gauge::cellTopRow(1));
static_assert(gaugeLayoutAtScale(1).lineTop(gauge::kCells + 1) == gauge::kLastLine);
static_assert(gaugeLayoutAtScale(1).bottomLabel() == gauge::kHeight - 2 - gauge::kLastLine);

/// A label strip keeps at least this share of its height at the ratio, so that its lettering
/// stays legible when the cells take more room.
inline constexpr double kGaugeLeastLabelShare = 0.6;

/// The layout for a gauge drawn into `width` x `height` device pixels at `ratio` (above 1)
/// device pixels to the pixel: the whole pitch nearest the gauge's own pitch at that ratio, or
/// the next smaller one when the label strips would keep less than kGaugeLeastLabelShare of their
/// height; lines a third of the pitch, rounded, and at least 1; the rest of the pitch the cell;
/// what the cells, the lines and the outline leave shared by the two label strips.
constexpr GaugeLayout gaugeLayoutFor(int width, int height, double ratio) {
    const double leastLabel = kGaugeLeastLabelShare * (gauge::kFirstLine - 1) * ratio;
    GaugeLayout layout{width, height, 1, 1, 0};
    for (int pitch = int(gauge::kCellPitch * ratio + 0.5); pitch >= 2; --pitch) {
        layout.line = pitch >= 3 ? (pitch + 1) / 3 : 1;
        layout.cell = pitch - layout.line;
        const int labels = height - 2 * layout.line - (gauge::kCells * pitch + layout.line);
        layout.topLabel = labels / 2;
        if (labels >= 2 * leastLabel)
            break;
    }
    return layout;
}

static_assert(gaugeLayoutFor(gauge::kWidth, gauge::kHeight, 1.0) == gaugeLayoutAtScale(1));
static_assert(gaugeLayoutFor(2 * gauge::kWidth, 2 * gauge::kHeight, 2.0) == gaugeLayoutAtScale(2));

} // namespace artwork
