#include "artwork/gauge_art.h"
#include "artwork/painting.h"

#include <QSet>
#include <QtTest>

using namespace artwork;

// The fills of the play screens rely on this geometry to the pixel: a cell that is off by one
// row, a missing separator or a white pixel in a label would paint the wrong area.
class TestGaugeArt : public QObject {
    Q_OBJECT
private:
    QImage m_gauge;

    QRgb at(int x, int y) const { return m_gauge.pixel(x, y); }
    // Every pixel of rows top..bottom across the inside (x 1..79) has `colour`.
    void expectRows(int top, int bottom, QRgb colour, const char* what) const {
        for (int y = top; y <= bottom; ++y)
            for (int x = 1; x <= gauge::kWidth - 2; ++x)
                QVERIFY2(at(x, y) == colour,
                         qPrintable(
                             QStringLiteral("%1 at %2,%3").arg(QLatin1String(what)).arg(x).arg(y)));
    }

private Q_SLOTS:
    void initTestCase() { m_gauge = paintEmptyGauge(); }

    // Four colours exactly: a fifth (an antialiased letter edge) could be near-white.
    void sizeAndColours() {
        QCOMPARE(m_gauge.size(), QSize(81, 361));
        QCOMPARE(m_gauge.format(), QImage::Format_Indexed8);
        QCOMPARE(m_gauge.colorCount(), 4);
        QSet<QRgb> used;
        for (int y = 0; y < m_gauge.height(); ++y)
            for (int x = 0; x < m_gauge.width(); ++x)
                used.insert(at(x, y));
        QCOMPARE(used, (QSet<QRgb>{kGaugeWhite, kGaugeBlue, kGaugeMagenta, kGaugeYellow}));
    }

    void outlineIsWhite() {
        for (int x = 0; x < gauge::kWidth; ++x) {
            QCOMPARE(at(x, 0), kGaugeWhite);
            QCOMPARE(at(x, gauge::kHeight - 1), kGaugeWhite);
        }
        for (int y = 0; y < gauge::kHeight; ++y) {
            QCOMPARE(at(0, y), kGaugeWhite);
            QCOMPARE(at(gauge::kWidth - 1, y), kGaugeWhite);
        }
    }

    void separatorsAreWhiteAcrossTheInside() {
        for (int y = 30; y <= 330; y += 3)
            expectRows(y, y, kGaugeWhite, "separator");
    }

    void everyCellIsBlueAtItsRows() {
        for (int k = 1; k <= gauge::kCells; ++k) {
            QCOMPARE(gauge::cellTopRow(k), 28 + 3 * k);
            expectRows(gauge::cellTopRow(k), gauge::cellTopRow(k) + 1, kGaugeBlue, "cell");
        }
        QCOMPARE(gauge::cellTopRow(1), 31);
        QCOMPARE(gauge::cellTopRow(100), 328);
    }

    // A white pixel in a label would stop no fill but would be taken for a line by the content
    // checker; a blue one would look like a cell. Only magenta ground and yellow lettering.
    void labelsHoldOnlyMagentaAndYellowLettering_data() {
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::newRow("不正解 above") << 1 << 29;
        QTest::newRow("正解 below") << 331 << 359;
    }
    void labelsHoldOnlyMagentaAndYellowLettering() {
        QFETCH(int, top);
        QFETCH(int, bottom);
        int yellow = 0;
        int magenta = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = 1; x <= 79; ++x) {
                const QRgb c = at(x, y);
                QVERIFY(c == kGaugeMagenta || c == kGaugeYellow);
                (c == kGaugeYellow ? yellow : magenta)++;
            }
        // Lettering is there and readable: neither a blank strip nor a yellow slab.
        QVERIFY2(yellow > 120, qPrintable(QString::number(yellow)));
        QVERIFY2(magenta > yellow * 2, qPrintable(QString::number(magenta)));
    }

    void seedColumnAndSeedRowsLieInTheirCells() {
        QVERIFY(gauge::kSeedX >= 1 && gauge::kSeedX <= 79);
        for (int c = 1; c <= gauge::kCells; ++c) {
            const int y = gauge::rightSeedY(c);
            const int top = gauge::cellTopRow(gauge::kCells + 1 - c);
            QVERIFY(y == top || y == top + 1);
            QCOMPARE(at(gauge::kSeedX, y), kGaugeBlue);
        }
        for (int w = 1; w <= gauge::kCells; ++w) {
            const int y = gauge::wrongSeedY(w);
            QVERIFY(y == gauge::cellTopRow(w) || y == gauge::cellTopRow(w) + 1);
            QCOMPARE(at(gauge::kSeedX, y), kGaugeBlue);
        }
        QCOMPARE(gauge::rightSeedY(1), 329);
        QCOMPARE(gauge::wrongSeedY(1), 31);
    }

    // waku.gif is written from this picture at build time; the same sources must give the same
    // bytes.
    void isTheSameAtEveryCall() { QCOMPARE(paintEmptyGauge(), m_gauge); }
};

QTEST_MAIN(TestGaugeArt)
#include "test_gauge_art.moc"
