#include "artwork/device_gauge.h"

#include "artwork/gauge_art.h"

#include <QPainter>

namespace artwork {
namespace {

// One label strip: `source` (a strip of the labels picture) scaled by the one factor that fits
// it into `target` of `out`, centred there on the strip's own ground.
void placeLabel(QImage& out, const QRect& target, const QImage& source) {
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(target, QColor::fromRgb(source.pixel(0, 0)));
    const qreal factor =
        qMin(qreal(target.width()) / source.width(), qreal(target.height()) / source.height());
    const QSize size = (QSizeF(source.size()) * factor).toSize().boundedTo(target.size());
    const QImage scaled = size == source.size() ? source
                                                : source.scaled(size, Qt::IgnoreAspectRatio,
                                                                Qt::SmoothTransformation);
    const QPoint at = target.topLeft() + QPoint((target.width() - size.width()) / 2,
                                                (target.height() - size.height()) / 2);
    painter.drawImage(at, scaled);
}

} // namespace

QImage layOutGauge(const QImage& gauge, const QImage& labels, int labelsScale,
                   const GaugeLayout& layout) {
    const GaugeLayout own = gaugeLayoutAtScale(1);
    const QImage cells = gauge.convertToFormat(QImage::Format_RGB32);
    QImage out(layout.width, layout.height, QImage::Format_RGB32);
    out.fill(kGaugeWhite); // the outline and the lines
    for (int k = 1; k <= gauge::kCells; ++k)
        for (int row = layout.cellTop(k); row < layout.cellTop(k) + layout.cell; ++row) {
            const auto* from =
                reinterpret_cast<const QRgb*>(cells.constScanLine(gaugeMapRow(row, layout, own)));
            auto* to = reinterpret_cast<QRgb*>(out.scanLine(row));
            for (int x = layout.innerLeft(); x < layout.innerLeft() + layout.innerWidth(); ++x)
                to[x] = from[gaugeMapColumn(x, layout, own)];
        }
    const GaugeLayout source = gaugeLayoutAtScale(labelsScale);
    // Pixel for pixel: a 2x form carries a ratio of 2, which would draw it at half its size.
    QImage drawn = labels.convertToFormat(QImage::Format_RGB32);
    drawn.setDevicePixelRatio(1);
    placeLabel(out, QRect(layout.innerLeft(), layout.line, layout.innerWidth(), layout.topLabel),
               drawn.copy(source.innerLeft(), source.line, source.innerWidth(), source.topLabel));
    placeLabel(out,
               QRect(layout.innerLeft(), layout.bottomLabelTop(), layout.innerWidth(),
                     layout.bottomLabel()),
               drawn.copy(source.innerLeft(), source.bottomLabelTop(), source.innerWidth(),
                          source.bottomLabel()));
    return out;
}

QPoint layoutPixel(int x, int y, const GaugeLayout& layout) {
    const GaugeLayout own = gaugeLayoutAtScale(1);
    return {gaugeMapColumn(x, own, layout), gaugeMapRow(y, own, layout)};
}

} // namespace artwork
