#include "artwork/painting.h"
#include "facts/play_layout.h"

#include <QtTest>

namespace {

// The panel's areas and the controls over them, in the panel's pixels (facts/play_layout.h).
const QRect kBlackWindow = play_layout::kBlackWindow.toQRect();
const QRect kGaugeArea = play_layout::kGaugeArea.toQRect();
const QRect kQuestionBox = play_layout::kQuestionBox.toQRect();
const QRect kAccuracyBox = play_layout::kAccuracyBox.toQRect();
const QRect kQuestionLabel = play_layout::onPanel(play_layout::kQuestionNumber).toQRect();
const QRect kScoreLabel = play_layout::onPanel(play_layout::kScore).toQRect();
constexpr int kDivider = play_layout::kAccuracyDividerRow;
const QColor kPanelBlue(0x04, 0x02, 0xa4);
const QColor kYellow(255, 255, 0);
const QColor kCyan(0, 255, 255);

} // namespace

// The play screens lay their pictures, labels and gauge over areas of the panel that the play
// screens' layout gives: the character pair must stand on black to the window's edges, the
// gauge in its frame, the labels on clear ground in their boxes.
class TestPlayPanel : public QObject {
    Q_OBJECT
private:
    QImage m_panel;

    QColor at(int x, int y) const { return m_panel.pixelColor(x, y); }
    // Every pixel of the rectangle's edge (inclusive corners) has `colour`.
    void expectFrame(const QRect& rect, const QColor& colour) const {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            QCOMPARE(at(x, rect.top()), colour);
            QCOMPARE(at(x, rect.bottom()), colour);
        }
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            QCOMPARE(at(rect.left(), y), colour);
            QCOMPARE(at(rect.right(), y), colour);
        }
    }
    // Every pixel of `area` has one colour, which is returned.
    QColor expectClear(const QRect& area) const {
        const QColor ground = at(area.left(), area.top());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (at(x, y) != ground) {
                    QTest::qFail(qPrintable(QStringLiteral("(%1, %2) differs").arg(x).arg(y)),
                                 __FILE__, __LINE__);
                    return ground;
                }
        return ground;
    }
    // Pixels of `area` that pass `test`.
    template <class Test> int count(const QRect& area, Test test) const {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += test(at(x, y)) ? 1 : 0;
        return found;
    }

private Q_SLOTS:
    void initTestCase() { m_panel = artwork::paintPlayPanel(); }

    void hasItsSizeAndGround() {
        QCOMPARE(m_panel.size(), play_layout::kPanelArea.toQRect().size());
        // The ground shows at the corners, under the answer buttons, between the black window's
        // yellow and cyan outlines on every side (two and three pixels out), and beyond them.
        const QRect between = kBlackWindow.adjusted(-2, -2, 2, 2);
        const int midX = kBlackWindow.center().x();
        const int midY = kBlackWindow.center().y();
        for (const QPoint p :
             {QPoint(0, 0), QPoint(639, 399), QPoint(300, 330), QPoint(between.left(), midY),
              QPoint(between.left() - 1, midY), QPoint(between.right(), midY),
              QPoint(between.right() + 1, midY), QPoint(midX, between.top()),
              QPoint(midX, between.bottom()), QPoint(kBlackWindow.right() + 5, midY)})
            QCOMPARE(at(p.x(), p.y()), kPanelBlue);
    }

    void blackWindowIsBlackToItsEdges() {
        for (int y = kBlackWindow.top(); y <= kBlackWindow.bottom(); ++y)
            for (int x = kBlackWindow.left(); x <= kBlackWindow.right(); ++x)
                QCOMPARE(at(x, y), QColor(Qt::black));
    }

    void blackWindowHasYellowThenCyanOutline() {
        expectFrame(kBlackWindow.adjusted(-1, -1, 1, 1), kYellow);
        expectFrame(kBlackWindow.adjusted(-4, -4, 4, 4), kCyan);
    }

    void gaugeStandsInItsFrame() {
        expectFrame(kGaugeArea.adjusted(-1, -1, 1, 1), QColor(Qt::black));
        expectFrame(kGaugeArea.adjusted(-3, -3, 3, 3), kCyan);
    }

    void questionBoxIsVioletInAYellowOutline() {
        expectFrame(kQuestionBox, kYellow);
        // The question number's label needs clear violet behind it.
        const QColor violet = expectClear(kQuestionLabel);
        QVERIFY(violet.red() > 80 && violet.blue() > 120 && violet.green() < 80);
        // 第 on the left of the label, 問 on its right, in white.
        const QRect inside = kQuestionBox.adjusted(2, 2, -2, -2);
        const auto white = [](const QColor& c) { return c.lightness() > 230; };
        QVERIFY(count(QRect(QPoint(inside.left(), inside.top()),
                            QPoint(kQuestionLabel.left() - 2, inside.bottom())),
                      white) > 100);
        QVERIFY(count(QRect(QPoint(kQuestionLabel.right() + 2, inside.top()), inside.bottomRight()),
                      white) > 100);
    }

    void accuracyBoxHasDividerTitleAndPercent() {
        expectFrame(kAccuracyBox, kYellow);
        for (int x = kAccuracyBox.left(); x <= kAccuracyBox.right(); ++x)
            QCOMPARE(at(x, kDivider), kYellow);
        // The score's label stands on a clear strip; the "%" follows it in yellow, the title
        // stands above the divider in white.
        expectClear(kScoreLabel);
        const QRect inside = kAccuracyBox.adjusted(1, 1, -1, -1);
        const int percent =
            count(QRect(QPoint(kScoreLabel.right() + 4, kDivider + 1), inside.bottomRight()),
                  [](const QColor& c) { return c.red() > 200 && c.blue() < 80; });
        const int title = count(QRect(inside.topLeft(), QPoint(inside.right(), kDivider - 1)),
                                [](const QColor& c) { return c.lightness() > 200; });
        QVERIFY(percent > 80);
        QVERIFY(title > 150);
    }
};

QTEST_MAIN(TestPlayPanel)
#include "test_play_panel.moc"
