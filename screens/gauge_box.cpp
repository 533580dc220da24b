#include "screens/gauge_box.h"

#include "artwork/device_gauge.h"
#include "facts/gauge_geometry.h"
#include "platform/gauge_fill.h"
#include "screens/accessible_roles.h"
#include "screens/device_pixels.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>

namespace {

// The hover area of a cell: its whole pitch across the gauge's width.
QRect pitchRect(int cell) {
    using namespace artwork;
    return {0, gauge::lineAbove(cell), gauge::kWidth, gauge::kCellPitch};
}

} // namespace

GaugeBox::GaugeBox(const QString& name, const HiDpiPicture& picture, QWidget* parent)
    : QWidget(parent) {
    accessible_roles::install();
    setObjectName(name);
    setPicture(picture);
}

void GaugeBox::setPicture(const HiDpiPicture& picture) {
    // Opaque 32-bit colour once, so that every fill paints in place and every repaint copies
    // the pixels without a conversion.
    m_image = picture.base().convertToFormat(QImage::Format_RGB32);
    m_picture = picture;
    m_laidOut = QImage();
    update();
}

void GaugeBox::fill(int x, int y, QRgb colour) {
    floodFill(m_image, x, y, colour);
    if (laidOut()) {
        const QPoint seed = artwork::layoutPixel(x, y, m_layout);
        floodFill(m_laidOut, seed.x(), seed.y(), colour);
    }
    // A fill in a cell changes that cell only: the rest of the box is not drawn again (at a
    // ratio of 2 the whole box is a hundred times as many pixels).
    const int cell = gauge::cellAt(x, y);
    if (cell != 0)
        update(shownRect(pitchRect(cell)).adjusted(-1, -1, 1, 1));
    else
        update();
}

QPoint GaugeBox::ownPixel(const QPoint& point) const {
    if (!laidOut())
        return point;
    const artwork::GaugeLayout own = artwork::gaugeLayoutAtScale(1);
    const auto device = [this](int at) { return int(std::floor((at + 0.5) * m_ratio)); };
    return {artwork::gaugeMapColumn(device(point.x()), m_layout, own),
            artwork::gaugeMapRow(device(point.y()), m_layout, own)};
}

QRect GaugeBox::shownRect(const QRect& own) const {
    if (!laidOut())
        return own;
    const artwork::GaugeLayout ownLayout = artwork::gaugeLayoutAtScale(1);
    const auto logical = [this](int device) { return int(std::floor(device / m_ratio)); };
    const QPoint topLeft(logical(artwork::gaugeMapColumn(own.left(), ownLayout, m_layout)),
                         logical(artwork::gaugeMapRow(own.top(), ownLayout, m_layout)));
    const QPoint end(logical(artwork::gaugeMapColumn(own.right() + 1, ownLayout, m_layout)),
                     logical(artwork::gaugeMapRow(own.bottom() + 1, ownLayout, m_layout)));
    return QRect(topLeft, end - QPoint(1, 1));
}

QString GaugeBox::toolTipAt(const QPoint& point) const {
    const QPoint own = ownPixel(point);
    const int cell = gauge::pitchAt(own.y());
    return cell != 0 && m_cellText ? m_cellText(cell) : QString();
}

bool GaugeBox::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        // Tied to the cell's pitch, so moving to another cell asks again.
        QToolTip::showText(help->globalPos(), text, this,
                           shownRect(pitchRect(gauge::pitchAt(ownPixel(help->pos()).y()))));
    }
    return true;
}

void GaugeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (ratio <= 1) {
        m_laidOut = QImage();
        painter.drawImage(0, 0, m_image);
        return;
    }
    // Drawn in device pixels, where the window puts the box: every cell and line a whole number
    // of them.
    const QRectF area = painter.deviceTransform().mapRect(QRectF(rect()));
    const QSize size(qRound(area.right()) - qRound(area.left()),
                     qRound(area.bottom()) - qRound(area.top()));
    if (!laidOut() || m_laidOut.size() != size || m_ratio != ratio) {
        m_ratio = ratio;
        m_layout = artwork::gaugeLayoutFor(size.width(), size.height(), ratio);
        const QImage& labels = m_picture.doubled();
        m_laidOut = labels.isNull() ? artwork::layOutGauge(m_image, m_image, 1, m_layout)
                                    : artwork::layOutGauge(m_image, labels, 2, m_layout);
    }
    drawDevicePixels(painter, m_laidOut);
}
