#include "screens/gauge_box.h"

#include "artwork/gauge_geometry.h"
#include "platform/gauge_fill.h"
#include "screens/accessible_roles.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// The hover area of a cell: its whole pitch across the gauge's width.
QRect pitchRect(int cell) {
    using namespace artwork;
    return {0, gaugeLineAbove(cell), kGaugeWidth, kGaugeCellPitch};
}

} // namespace

GaugeBox::GaugeBox(const QString& name, const QImage& image, QWidget* parent) : QWidget(parent) {
    accessible_roles::install();
    setObjectName(name);
    setImage(image);
}

void GaugeBox::setImage(const QImage& image) {
    // Opaque 32-bit colour once, so that every fill paints in place and every repaint copies
    // the pixels without a conversion.
    m_image = image.convertToFormat(QImage::Format_RGB32);
    update();
}

void GaugeBox::fill(int x, int y, QRgb colour) {
    floodFill(m_image, x, y, colour);
    update();
}

QString GaugeBox::toolTipAt(const QPoint& point) const {
    const int cell = artwork::gaugePitchAt(point.y());
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
                           pitchRect(artwork::gaugePitchAt(help->pos().y())));
    }
    return true;
}

void GaugeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
