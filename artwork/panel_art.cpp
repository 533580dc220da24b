#include "artwork/painting.h"

#include "artwork/art_paint.h"
#include "artwork/art_text.h"
#include "facts/play_layout.h"

#include <QPainter>

namespace artwork {
namespace {

// The play screens place their controls over these areas; all of them come from the play
// screens' layout.
const QColor kPanelBlue(0x04, 0x02, 0xa4);
const QColor kYellow(255, 255, 0);
const QColor kCyan(0, 255, 255);
const QColor kViolet(112, 40, 170);
const QColor kAccuracyFill(2, 1, 110);

constexpr QRect kBlackWindow = play_layout::kBlackWindow.toQRect();
constexpr QRect kQuestionBox = play_layout::kQuestionBox.toQRect();
constexpr QRect kAccuracyBox = play_layout::kAccuracyBox.toQRect();
constexpr QRect kGaugeArea = play_layout::kGaugeArea.toQRect();
constexpr QRect kQuestionLabel = play_layout::onPanel(play_layout::kQuestionNumber).toQRect();
constexpr QRect kScoreLabel = play_layout::onPanel(play_layout::kScore).toQRect();
constexpr int kAccuracyDivider = play_layout::kAccuracyDividerRow;
// The characters beside a label stand this far from it.
constexpr int kBesideLabel = 3;

void blackWindow(QPainter& painter) {
    paint::outline(painter, kBlackWindow.adjusted(-4, -4, 4, 4), kCyan);
    paint::outline(painter, kBlackWindow.adjusted(-1, -1, 1, 1), kYellow);
    painter.fillRect(kBlackWindow, Qt::black);
}

void questionBox(QPainter& painter) {
    painter.fillRect(kQuestionBox, kViolet);
    paint::outline(painter, kQuestionBox, kYellow);
    // 第 and 問 stand either side of the question number's label.
    const QFont font = text::mincho(34);
    const int mid = kQuestionBox.center().y();
    const int width = 46;
    const QRectF before(kQuestionLabel.left() - kBesideLabel - width, mid - 20, width, 40);
    const QRectF after(kQuestionLabel.right() + 1 + kBesideLabel, mid - 20, width, 40);
    paint::lettering(painter, text::centred(QStringLiteral("第"), font, before), Qt::white, 0.6,
                     {1, 1});
    paint::lettering(painter, text::centred(QStringLiteral("問"), font, after), Qt::white, 0.6,
                     {1, 1});
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
    // The score's label is followed by its "%".
    const QRectF percent(kScoreLabel.right() + 1 + kBesideLabel, kAccuracyDivider + 1, 48,
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
    QImage image = paint::canvas(play_layout::kPanelArea.toQRect().size(), kPanelBlue, scale);
    QPainter painter(&image);
    gaugeFrame(painter);
    blackWindow(painter);
    questionBox(painter);
    accuracyBox(painter);
    painter.end();
    return paint::finished(image);
}

} // namespace artwork
