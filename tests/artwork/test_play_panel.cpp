#include "artwork/painting.h"

#include <QtTest>

// The play screens lay their pictures, labels and gauge over fixed areas of the panel: the
// character pair must fill the black window exactly, the labels must fall into their boxes.
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

private Q_SLOTS:
    void initTestCase() { m_panel = artwork::paintPlayPanel(); }

    void hasItsSizeAndGround() {
        QCOMPARE(m_panel.size(), QSize(640, 400));
        const QColor panelBlue(0x04, 0x02, 0xa4);
        for (const QPoint p : {QPoint(0, 0), QPoint(639, 399), QPoint(300, 330), QPoint(198, 150),
                               QPoint(199, 150), QPoint(433, 150), QPoint(434, 150),
                               QPoint(300, 36), QPoint(300, 272), QPoint(436, 150)})
            QCOMPARE(at(p.x(), p.y()), panelBlue);
    }

    void blackWindowIsBlackToItsEdges() {
        for (int y = 39; y <= 269; ++y)
            for (int x = 201; x <= 431; ++x)
                QCOMPARE(at(x, y), QColor(Qt::black));
    }

    void blackWindowHasYellowThenCyanOutline() {
        expectFrame(QRect(QPoint(200, 38), QPoint(432, 270)), QColor(255, 255, 0));
        expectFrame(QRect(QPoint(197, 35), QPoint(435, 273)), QColor(0, 255, 255));
    }

    void questionBoxIsVioletInAYellowOutline() {
        expectFrame(QRect(QPoint(458, 34), QPoint(619, 96)), QColor(255, 255, 0));
        // The question number's label (x 511..564, y 48..77) needs clear violet behind it.
        const QColor violet = at(540, 40);
        QVERIFY(violet.red() > 80 && violet.blue() > 120 && violet.green() < 80);
        for (int y = 48; y <= 77; ++y)
            for (int x = 511; x <= 564; ++x)
                QCOMPARE(at(x, y), violet);
        // 第 on the left, 問 on the right, in white.
        auto whiteIn = [this](const QRect& area) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    count += at(x, y).lightness() > 230 ? 1 : 0;
            return count;
        };
        QVERIFY(whiteIn(QRect(460, 36, 50, 59)) > 100);
        QVERIFY(whiteIn(QRect(566, 36, 52, 59)) > 100);
    }

    void accuracyBoxHasDividerTitleAndPercent() {
        const QColor yellow(255, 255, 0);
        expectFrame(QRect(QPoint(458, 177), QPoint(619, 273)), yellow);
        for (int x = 458; x <= 619; ++x)
            QCOMPARE(at(x, 211), yellow);
        // The value's label (x 526..626 on the screen, 462..562 on the panel) stands on a clear
        // strip; the "%" follows it in yellow.
        const QColor strip = at(470, 240);
        for (int y = 215; y <= 260; ++y)
            for (int x = 462; x <= 562; ++x)
                QCOMPARE(at(x, y), strip);
        int percent = 0;
        int title = 0;
        for (int y = 212; y <= 272; ++y)
            for (int x = 566; x <= 618; ++x)
                percent += (at(x, y).red() > 200 && at(x, y).blue() < 80) ? 1 : 0;
        for (int y = 178; y <= 210; ++y)
            for (int x = 459; x <= 618; ++x)
                title += at(x, y).lightness() > 200 ? 1 : 0;
        QVERIFY(percent > 80);
        QVERIFY(title > 150);
    }
};

QTEST_MAIN(TestPlayPanel)
#include "test_play_panel.moc"
