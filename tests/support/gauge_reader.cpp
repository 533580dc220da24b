#include "tests/support/gauge_reader.h"

#include "artwork/gauge_art.h"

QString readGauge(const QImage& source, int& green, int& red) {
    using namespace artwork;
    green = 0;
    red = 0;
    if (source.width() != gauge::kWidth || source.height() != gauge::kHeight)
        return QStringLiteral("the gauge is %1 x %2").arg(source.width()).arg(source.height());
    const QImage gauge = source.convertToFormat(QImage::Format_RGB32);
    const auto row = [&gauge](int y) {
        return reinterpret_cast<const QRgb*>(gauge.constScanLine(y));
    };
    const auto opaque = [](QRgb pixel) { return pixel | 0xff000000u; };
    const auto cellColour = [&](int k) { return opaque(row(gauge::cellTopRow(k))[gauge::kSeedX]); };
    while (red < gauge::kCells && cellColour(red + 1) == kGaugeRed)
        ++red;
    while (green < gauge::kCells - red && cellColour(gauge::kCells - green) == kGaugeGreen)
        ++green;
    for (int k = 1; k <= gauge::kCells; ++k) {
        const QRgb expected = k <= red                    ? kGaugeRed
                              : k > gauge::kCells - green ? kGaugeGreen
                                                          : kGaugeBlue;
        for (int y = gauge::cellTopRow(k); y <= gauge::cellTopRow(k) + 1; ++y) {
            const QRgb* line = row(y);
            for (int x = gauge::kInnerLeft; x <= gauge::kInnerRight; ++x)
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
    for (int y = gauge::kFirstLine; y <= gauge::kLastLine; y += gauge::kCellPitch) {
        const QRgb* line = row(y);
        for (int x = 0; x < gauge::kWidth; ++x)
            if (opaque(line[x]) != kGaugeWhite)
                return QStringLiteral("white line at row %1 broken at x %2").arg(y).arg(x);
    }
    for (int y = 0; y < gauge::kHeight; ++y)
        if (opaque(row(y)[0]) != kGaugeWhite || opaque(row(y)[gauge::kWidth - 1]) != kGaugeWhite)
            return QStringLiteral("outline broken at row %1").arg(y);
    return {};
}
