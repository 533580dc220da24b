#include "artwork/painting.h"

#include "artwork/art_paint.h"
#include "artwork/art_text.h"

#include <QPainter>

namespace artwork {
namespace {

// The play screens place their controls over these areas, so they are fixed to the pixel.
const QColor kPanelBlue(0x04, 0x02, 0xa4);
const QColor kYellow(255, 255, 0);
const QColor kCyan(0, 255, 255);
const QColor kViolet(112, 40, 170);
const QColor kAccuracyFill(2, 1, 110);
const QRect kBlackWindow(201, 39, 231, 231);
const QRect kQuestionBox(458, 34, 162, 63);
const QRect kAccuracyBox(458, 177, 162, 97);
constexpr int kAccuracyDivider = 211;
// Where the gauge picture box stands on the panel (its frame is drawn just outside it).
const QRect kGaugeArea(49, 21, 81, 361);

void blackWindow(QPainter& painter) {
    paint::outline(painter, kBlackWindow.adjusted(-4, -4, 4, 4), kCyan);
    paint::outline(painter, kBlackWindow.adjusted(-1, -1, 1, 1), kYellow);
    painter.fillRect(kBlackWindow, Qt::black);
}

void questionBox(QPainter& painter) {
    painter.fillRect(kQuestionBox, kViolet);
    paint::outline(painter, kQuestionBox, kYellow);
    // 第 and 問 stand either side of the question number (a label over x 511 to 564).
    const QFont font = text::mincho(34);
    const int mid = kQuestionBox.center().y();
    paint::lettering(painter,
                     text::centred(QStringLiteral("第"), font, QRectF(462, mid - 20, 46, 40)),
                     Qt::white, 0.6, {1, 1});
    paint::lettering(painter,
                     text::centred(QStringLiteral("問"), font, QRectF(568, mid - 20, 46, 40)),
                     Qt::white, 0.6, {1, 1});
}

void accuracyBox(QPainter& painter) {
    painter.fillRect(kAccuracyBox, kAccuracyFill);
    paint::outline(painter, kAccuracyBox, kYellow);
    painter.fillRect(QRect(kAccuracyBox.left(), kAccuracyDivider, kAccuracyBox.width(), 1),
                     kYellow);
    const QRectF title(kAccuracyBox.left() + 1, kAccuracyBox.top() + 1, kAccuracyBox.width() - 2,
                       kAccuracyDivider - kAccuracyBox.top() - 1);
    paint::lettering(painter, text::centred(QStringLiteral("正解率"), text::mincho(22), title, 8),
                     Qt::white, 0.5, {1, 1});
    // The value (a label over x 462 to 562) is followed by its "%".
    const QRectF percent(566, kAccuracyDivider + 1, 48,
                         kAccuracyBox.bottom() - kAccuracyDivider - 1);
    paint::lettering(painter, text::centred(QStringLiteral("%"), text::mincho(36), percent),
                     kYellow, 0.8);
}

void gaugeFrame(QPainter& painter) {
    paint::outline(painter, kGaugeArea.adjusted(-3, -3, 3, 3), kCyan);
    paint::outline(painter, kGaugeArea.adjusted(-1, -1, 1, 1), QColor(0, 0, 0));
}

} // namespace

QImage paintPlayPanel(int scale) {
    QImage image = paint::canvas({640, 400}, kPanelBlue, scale);
    QPainter painter(&image);
    gaugeFrame(painter);
    blackWindow(painter);
    questionBox(painter);
    accuracyBox(painter);
    painter.end();
    return paint::finished(image);
}

} // namespace artwork
