#include "screens/mode_frame.h"

#include "facts/font_faces.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionGroupBox>

namespace {

constexpr int kCaptionLeft = 8;
constexpr int kCaptionPixels = 19;

} // namespace

ModeFrame::ModeFrame(QWidget* parent) : QGroupBox(parent) {
    QFont caption(font_faces::kScreenFace.toString());
    caption.setPixelSize(kCaptionPixels);
    setFont(caption);
}

void ModeFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The style draws the frame only; its own title would be small and thin.
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    option.text.clear();
    option.subControls = QStyle::SC_GroupBoxFrame;
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);

    if (title().isEmpty())
        return;
    // Mincho faces have no bold cut: the letters are thickened by an outline in their own
    // colour, which keeps them crisp on the pink.
    QPainterPath path;
    const QFontMetrics metrics(font());
    const int baseline = (kCaptionStrip + metrics.ascent() - metrics.descent()) / 2;
    path.addText(kCaptionLeft, baseline, font(), title());
    const QColor colour = palette().color(QPalette::WindowText);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(path);
}
