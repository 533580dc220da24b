#include "artwork/gauge_art.h"
#include "artwork/painting.h"
#include "platform/gauge_fill.h"

#include <QRandomGenerator>
#include <QtTest>
#include <queue>

using namespace artwork;

namespace {

// The picture the gauge should show: the empty gauge with the given cells (counted from the top)
// in the given colour.
QImage withCells(QImage gauge, const QList<int>& cells, QRgb colour) {
    gauge.convertTo(QImage::Format_ARGB32);
    for (const int k : cells)
        for (int y = gauge::cellTopRow(k); y <= gauge::cellTopRow(k) + 1; ++y)
            for (int x = 1; x <= 79; ++x)
                gauge.setPixel(x, y, colour);
    return gauge;
}

QImage argb(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A plain breadth-first fill, the reference that the scanline fill must agree with.
int referenceFill(QImage& image, int x0, int y0, QRgb fill, QRgb boundary) {
    if (!image.rect().contains(x0, y0) || image.pixel(x0, y0) == boundary)
        return 0;
    QList<bool> seen(image.width() * image.height(), false);
    std::queue<QPoint> open;
    open.push({x0, y0});
    seen[y0 * image.width() + x0] = true;
    int painted = 0;
    while (!open.empty()) {
        const QPoint p = open.front();
        open.pop();
        image.setPixel(p, fill);
        ++painted;
        for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + d;
            if (!image.rect().contains(q) || seen[q.y() * image.width() + q.x()] ||
                image.pixel(q) == boundary)
                continue;
            seen[q.y() * image.width() + q.x()] = true;
            open.push(q);
        }
    }
    return painted;
}

} // namespace

class TestGaugeFill : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The n-th right answer colours exactly the n-th cell from the bottom, the n-th wrong one
    // the n-th from the top: 79 x 2 pixels, nothing of their neighbours or the white lines.
    void answerPaintsExactlyItsCell_data() {
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("count");
        for (int n = 1; n <= gauge::kCells; ++n) {
            QTest::addRow("right %d", n) << true << n;
            QTest::addRow("wrong %d", n) << false << n;
        }
    }
    void answerPaintsExactlyItsCell() {
        QFETCH(bool, right);
        QFETCH(int, count);
        QImage gauge = paintEmptyGauge();
        const int y = right ? gauge::rightSeedY(count) : gauge::wrongSeedY(count);
        const QRgb colour = right ? kGaugeGreen : kGaugeRed;
        QCOMPARE(floodFill(gauge, gauge::kSeedX, y, colour), 158);
        const int cell = right ? gauge::kCells + 1 - count : count;
        QCOMPARE(argb(gauge), withCells(paintEmptyGauge(), {cell}, colour));
    }

    // A whole game: the greens from the bottom and the reds from the top meet without overlap.
    void aWholeGameFillsEveryCellOnce() {
        QImage gauge = paintEmptyGauge();
        for (int c = 1; c <= 70; ++c)
            QCOMPARE(floodFill(gauge, gauge::kSeedX, gauge::rightSeedY(c), kGaugeGreen), 158);
        for (int w = 1; w <= 30; ++w)
            QCOMPARE(floodFill(gauge, gauge::kSeedX, gauge::wrongSeedY(w), kGaugeRed), 158);
        QList<int> green;
        QList<int> red;
        for (int k = 1; k <= 100; ++k)
            (k <= 30 ? red : green).append(k);
        QCOMPARE(argb(gauge),
                 withCells(withCells(paintEmptyGauge(), green, kGaugeGreen), red, kGaugeRed));
    }

    // Seeds on a white line or off the picture paint nothing and leave the picture as it was.
    void seedOnWhiteOrOutsidePaintsNothing_data() {
        QTest::addColumn<QPoint>("seed");
        QTest::newRow("separator") << QPoint(gauge::kSeedX, 30);
        QTest::newRow("last separator") << QPoint(gauge::kSeedX, 330);
        QTest::newRow("outline corner") << QPoint(0, 0);
        QTest::newRow("outline right") << QPoint(80, 100);
        QTest::newRow("left of picture") << QPoint(-1, 31);
        QTest::newRow("right of picture") << QPoint(81, 31);
        QTest::newRow("above") << QPoint(gauge::kSeedX, -1);
        QTest::newRow("below") << QPoint(gauge::kSeedX, 361);
    }
    void seedOnWhiteOrOutsidePaintsNothing() {
        QFETCH(QPoint, seed);
        QImage gauge = paintEmptyGauge();
        QCOMPARE(floodFill(gauge, seed.x(), seed.y(), kGaugeGreen), 0);
        QCOMPARE(argb(gauge), argb(paintEmptyGauge()));
    }

    // Filling a cell that already holds the fill colour must end and count the cell again.
    void refillingAPaintedCellEnds() {
        QImage gauge = paintEmptyGauge();
        QCOMPARE(floodFill(gauge, gauge::kSeedX, 31, kGaugeGreen), 158);
        QCOMPARE(floodFill(gauge, gauge::kSeedX, 32, kGaugeGreen), 158);
        QCOMPARE(floodFill(gauge, gauge::kSeedX, 32, kGaugeRed), 158);
        QCOMPARE(argb(gauge), withCells(paintEmptyGauge(), {1}, kGaugeRed));
    }

    // A label holds no white: a seed there paints the label's letters and ground, nothing more.
    void labelIsOneAreaBoundedByTheOutlineAndFirstLine() {
        QImage gauge = paintEmptyGauge();
        QCOMPARE(floodFill(gauge, gauge::kSeedX, 10, kGaugeRed), 79 * 29);
    }

    // Mazes of random white walls: every turn and pocket that a scanline fill can miss, and
    // diagonal gaps that only an 8-connected fill would slip through.
    void agreesWithAPlainFillOnRandomMazes_data() {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("wallPercent");
        for (quint32 seed = 1; seed <= 12; ++seed)
            QTest::addRow("maze %u", seed) << seed << int(20 + seed * 3);
    }
    void agreesWithAPlainFillOnRandomMazes() {
        QFETCH(quint32, seed);
        QFETCH(int, wallPercent);
        QRandomGenerator random(seed);
        QImage maze(61, 47, QImage::Format_RGB32);
        for (int y = 0; y < maze.height(); ++y)
            for (int x = 0; x < maze.width(); ++x)
                maze.setPixel(x, y,
                              int(random.bounded(100)) < wallPercent ? 0xffffffff
                              : random.bounded(2)                    ? 0xff0402fc
                                                                     : 0xff00ff00);
        const QPoint start(30, 23);
        maze.setPixel(start, 0xff0402fc);
        QImage expected = maze;
        QImage actual = maze;
        const int want = referenceFill(expected, start.x(), start.y(), 0xffff0000, 0xffffffff);
        QCOMPARE(floodFill(actual, start.x(), start.y(), 0xffff0000), want);
        QCOMPARE(actual, expected);
    }

    // Pictures of other formats are converted, and a transparent area fills like any other.
    void convertsOtherFormats_data() {
        QTest::addColumn<QImage::Format>("format");
        QTest::newRow("indexed") << QImage::Format_Indexed8;
        QTest::newRow("rgb888") << QImage::Format_RGB888;
        QTest::newRow("premultiplied") << QImage::Format_ARGB32_Premultiplied;
        QTest::newRow("argb") << QImage::Format_ARGB32;
    }
    void convertsOtherFormats() {
        QFETCH(QImage::Format, format);
        QImage gauge = paintEmptyGauge().convertToFormat(format);
        QCOMPARE(floodFill(gauge, gauge::kSeedX, gauge::rightSeedY(1), kGaugeGreen), 158);
        QCOMPARE(argb(gauge), withCells(paintEmptyGauge(), {100}, kGaugeGreen));
    }
};

QTEST_MAIN(TestGaugeFill)
#include "test_gauge_fill.moc"
