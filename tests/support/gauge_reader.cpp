#include "tests/support/gauge_reader.h"

#include "artwork/gauge_art.h"

QString readGauge(const QImage& source, int& green, int& red) {
    using namespace artwork;
    green = 0;
    red = 0;
    if (source.width() != kGaugeWidth || source.height() != kGaugeHeight)
        return QStringLiteral("the gauge is %1 x %2").arg(source.width()).arg(source.height());
    const QImage gauge = source.convertToFormat(QImage::Format_RGB32);
    const auto row = [&gauge](int y) {
        return reinterpret_cast<const QRgb*>(gauge.constScanLine(y));
    };
    const auto opaque = [](QRgb pixel) { return pixel | 0xff000000u; };
    const auto cellColour = [&](int k) { return opaque(row(gaugeCellTopRow(k))[kGaugeSeedX]); };
    while (red < kGaugeCells && cellColour(red + 1) == kGaugeRed)
        ++red;
    while (green < kGaugeCells - red && cellColour(kGaugeCells - green) == kGaugeGreen)
        ++green;
    for (int k = 1; k <= kGaugeCells; ++k) {
        const QRgb expected = k <= red                  ? kGaugeRed
                              : k > kGaugeCells - green ? kGaugeGreen
                                                        : kGaugeBlue;
        for (int y = gaugeCellTopRow(k); y <= gaugeCellTopRow(k) + 1; ++y) {
            const QRgb* line = row(y);
            for (int x = kGaugeInnerLeft; x <= kGaugeInnerRight; ++x)
                if (opaque(line[x]) != expected)
                    return QStringLiteral("cell %1 (red %2, green %3) has a pixel %4 at %5,%6")
                        .arg(k)
                        .arg(red)
                        .arg(green)
                        .arg(opaque(line[x]), 8, 16)
                        .arg(x)
                        .arg(y);
        }
    }
    for (int y = kGaugeFirstLine; y <= kGaugeLastLine; y += kGaugeCellPitch) {
        const QRgb* line = row(y);
        for (int x = 0; x < kGaugeWidth; ++x)
            if (opaque(line[x]) != kGaugeWhite)
                return QStringLiteral("white line at row %1 broken at x %2").arg(y).arg(x);
    }
    for (int y = 0; y < kGaugeHeight; ++y)
        if (opaque(row(y)[0]) != kGaugeWhite || opaque(row(y)[kGaugeWidth - 1]) != kGaugeWhite)
            return QStringLiteral("outline broken at row %1").arg(y);
    return {};
}
