#pragma once

// The gauge's geometry, in pixels of its picture, and the one place that says it: the round
// engine seeds its fills with it, the gauge widget finds the cell under the pointer, the artwork
// paints the gauge, the content checker checks a gauge file and the tests read a gauge back.
// Plain C++ without Qt, so that the game's rules can use it.
//
// The picture is 81 x 361: a white 1-pixel outline, a label strip above and below, and 100 cells
// of 79 x 2 pixels between white lines at rows 30, 33, ..., 330. Right answers fill cells from
// the bottom, wrong ones from the top; every fill is seeded in a column that lies inside every
// cell and is bounded by white.
namespace gauge {

inline constexpr int kWidth = 81;
inline constexpr int kHeight = 361;
inline constexpr int kCells = 100;
/// A cell's two rows and the white line below it.
inline constexpr int kCellPitch = 3;
/// The columns inside the outline, which every cell and white line spans.
inline constexpr int kInnerLeft = 1;
inline constexpr int kInnerRight = kWidth - 2;
/// Every fill is seeded in this column, which lies inside every cell.
inline constexpr int kSeedX = 40;

/// Top row of cell k counted from the top (k = 1..100); the cell covers this row and the next.
constexpr int cellTopRow(int k) {
    return 28 + kCellPitch * k;
}
/// The white line above cell k (k = 1..101: the line above cell 101 is the one below cell 100).
constexpr int lineAbove(int k) {
    return cellTopRow(k) - 1;
}
inline constexpr int kFirstLine = lineAbove(1);
inline constexpr int kLastLine = lineAbove(kCells + 1);

/// Seed row of the c-th right answer of a game (c = 1..100): the c-th cell from the bottom.
constexpr int rightSeedY(int c) {
    return cellTopRow(kCells + 1 - c) + 1;
}
/// Seed row of the w-th wrong answer of a game (w = 1..100): the w-th cell from the top.
constexpr int wrongSeedY(int w) {
    return cellTopRow(w);
}

/// The cell (1..100 from the top) that covers pixel (x, y); 0 on the outline, the labels and the
/// white lines between cells.
constexpr int cellAt(int x, int y) {
    const int offset = y - cellTopRow(1);
    if (x < kInnerLeft || x > kInnerRight || offset < 0 || offset % kCellPitch == kCellPitch - 1)
        return 0;
    const int cell = offset / kCellPitch + 1;
    return cell <= kCells ? cell : 0;
}

/// The cell (1..100 from the top) whose pitch covers row y: the white line above the cell and
/// its two rows. The pitches tile the gauge from the first line to the last cell without a gap,
/// so a hover text stays put while the pointer moves along the gauge; the columns do not matter.
/// 0 above the first line (the top outline and label) and from the last line down.
constexpr int pitchAt(int y) {
    const int offset = y - kFirstLine;
    if (offset < 0)
        return 0;
    const int cell = offset / kCellPitch + 1;
    return cell <= kCells ? cell : 0;
}

} // namespace gauge
