#include "screens/gauge_box.h"

#include "platform/gauge_fill.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// Cell k from the top covers rows 28 + 3k and 29 + 3k, columns 1 to 79; white lines lie
// between the cells.
constexpr int kCells = 100;
constexpr int kFirstCellRow = 31;
constexpr int kCellPitch = 3;

QRect cellRect(int cell) {
    return {1, kFirstCellRow + kCellPitch * (cell - 1), 79, 2};
}

} // namespace

GaugeBox::GaugeBox(const QString& name, const QImage& image, QWidget* parent) : QWidget(parent) {
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

int GaugeBox::cellAt(const QPoint& point) {
    const int offset = point.y() - kFirstCellRow;
    if (point.x() < 1 || point.x() > 79 || offset < 0 || offset % kCellPitch == 2)
        return 0;
    const int cell = offset / kCellPitch + 1;
    return cell <= kCells ? cell : 0;
}

QString GaugeBox::toolTipAt(const QPoint& point) const {
    const int cell = cellAt(point);
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
        // Tied to the cell, so moving to another cell asks again.
        QToolTip::showText(help->globalPos(), text, this, cellRect(cellAt(help->pos())));
    }
    return true;
}

void GaugeBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
