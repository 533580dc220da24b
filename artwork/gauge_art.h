#pragma once

#include "facts/gauge_geometry.h"

#include <QRgb>

// The colours of the empty gauge (81 x 361, gauge_geometry.h) and of its fills. The built-in gauge
// of the play screens and the content file waku.gif both come from paintEmptyGauge(), so their
// geometry cannot drift apart.
namespace artwork {

inline constexpr QRgb kGaugeWhite = 0xffffffff;
inline constexpr QRgb kGaugeBlue = 0xff0402fc;    ///< an empty cell: red 4, green 2, blue 252
inline constexpr QRgb kGaugeMagenta = 0xffff00ff; ///< the label areas
inline constexpr QRgb kGaugeYellow = 0xffffff00;  ///< the label lettering
inline constexpr QRgb kGaugeGreen = 0xff00ff00;   ///< a right answer's cell
inline constexpr QRgb kGaugeRed = 0xffff0000;     ///< a wrong answer's cell

} // namespace artwork
