#pragma once

#include <QImage>
#include <QRgb>

// The empty gauge, 81 x 361 pixels in four colours. The built-in gauge of the play screens and
// the content file waku.gif both come from paintEmptyGauge(), so their geometry cannot drift apart.
namespace artwork {

inline constexpr int kGaugeWidth = 81;
inline constexpr int kGaugeHeight = 361;
inline constexpr int kGaugeCells = 100;
/// Every fill is seeded in this column, which lies inside every cell.
inline constexpr int kGaugeSeedX = 40;

inline constexpr QRgb kGaugeWhite = 0xffffffff;
inline constexpr QRgb kGaugeBlue = 0xff0402fc;    ///< an empty cell: red 4, green 2, blue 252
inline constexpr QRgb kGaugeMagenta = 0xffff00ff; ///< the label areas
inline constexpr QRgb kGaugeYellow = 0xffffff00;  ///< the label lettering
inline constexpr QRgb kGaugeGreen = 0xff00ff00;   ///< a right answer's cell
inline constexpr QRgb kGaugeRed = 0xffff0000;     ///< a wrong answer's cell

/// Top row of cell k counted from the top (k = 1..100); the cell covers this row and the next.
constexpr int gaugeCellTopRow(int k) {
    return 28 + 3 * k;
}
/// Seed row of the c-th right answer (the c-th cell from the bottom).
constexpr int gaugeRightSeedY(int c) {
    return 329 - 3 * (c - 1);
}
/// Seed row of the w-th wrong answer (the w-th cell from the top).
constexpr int gaugeWrongSeedY(int w) {
    return 31 + 3 * (w - 1);
}

} // namespace artwork
