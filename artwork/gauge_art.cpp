#include "artwork/gauge_art.h"

#include "artwork/art_paint.h"
#include "artwork/art_text.h"
#include "artwork/gauge_layout.h"
#include "artwork/painting.h"

#include <QPainter>

namespace artwork {
namespace {

// Colour-table indices of the gauge.
constexpr uint kWhite = 0;
constexpr uint kBlue = 1;
constexpr uint kMagenta = 2;
constexpr uint kYellow = 3;

void fillRows(QImage& gauge, const GaugeLayout& layout, int top, int rows, uint index) {
    for (int y = top; y < top + rows; ++y) {
        uchar* line = gauge.scanLine(y);
        for (int x = layout.innerLeft(); x < layout.innerLeft() + layout.innerWidth(); ++x)
            line[x] = uchar(index);
    }
}

// Lettering is drawn smooth into a mask and then cut at half coverage, so the gauge keeps its
// four colours and no lettering pixel can turn white and become a fill boundary. The label is
// laid out in the gauge's own pixels and drawn at `scale`.
void stampLabel(QImage& gauge, const GaugeLayout& layout, int top, int rows, int scale,
                const QString& label, qreal pixelSize) {
    const QRect area(layout.innerLeft(), top, layout.innerWidth(), rows);
    QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
    mask.setDevicePixelRatio(scale);
    mask.fill(Qt::transparent);
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF box(0, 0, qreal(area.width()) / scale, qreal(area.height()) / scale);
        const QPainterPath path = text::centred(label, text::mincho(pixelSize), box, 1.0);
        paint::ink(painter, path, Qt::white, 0.3);
    }
    for (int y = 0; y < area.height(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        uchar* dst = gauge.scanLine(area.top() + y);
        for (int x = 0; x < area.width(); ++x)
            dst[area.left() + x] = uchar(qAlpha(src[x]) >= 128 ? kYellow : kMagenta);
    }
}

} // namespace

QImage paintEmptyGauge(int scale) {
    const GaugeLayout layout = gaugeLayoutAtScale(scale);
    QImage gauge(layout.width, layout.height, QImage::Format_Indexed8);
    gauge.setColorTable({kGaugeWhite, kGaugeBlue, kGaugeMagenta, kGaugeYellow});
    gauge.fill(kWhite); // the outline and every separator row stay white
    stampLabel(gauge, layout, layout.line, layout.topLabel, scale, QStringLiteral("不正解"), 22);
    for (int k = 1; k <= gauge::kCells; ++k)
        fillRows(gauge, layout, layout.cellTop(k), layout.cell, kBlue);
    stampLabel(gauge, layout, layout.bottomLabelTop(), layout.bottomLabel(), scale,
               QStringLiteral("正解"), 22);
    return gauge;
}

} // namespace artwork
