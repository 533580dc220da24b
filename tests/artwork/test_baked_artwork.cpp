#include "artwork/artwork.h"
#include "artwork/gauge_art.h"
#include "artwork/painting.h"
#include "artwork/picture_catalogue.h"

#include <QPixmap>
#include <QResource>
#include <QSet>
#include <QtTest>
#include <functional>

using namespace artwork;

namespace {

using Painting = std::function<QImage()>;

// Equal to the pixel, in format and colour table too: the screens and the gauge's fill take the
// embedded pictures for the painted ones.
void expectSame(const QImage& embedded, const QImage& painted) {
    QVERIFY(!painted.isNull());
    QVERIFY2(!embedded.isNull(), "not embedded");
    QCOMPARE(embedded.format(), painted.format());
    QCOMPARE(embedded.size(), painted.size());
    QCOMPARE(embedded.colorTable(), painted.colorTable());
    for (int y = 0; y < painted.height(); ++y)
        QVERIFY2(std::memcmp(embedded.constScanLine(y), painted.constScanLine(y),
                             size_t(painted.width() * painted.depth() / 8)) == 0,
                 qPrintable(QStringLiteral("row %1 differs").arg(y)));
}

// The mean difference per channel of two pictures of one size.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                   qAbs(qBlue(p) - qBlue(q)) + qAbs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * a.width() * a.height());
}

} // namespace

Q_DECLARE_METATYPE(Painting)

// The build paints the built-in pictures and embeds them; these tests paint them again and
// compare. A picture left out of the build, a stale one, a lossy step or a name that leads to
// another picture all show here.
class TestBakedArtwork : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyPictureIsEmbeddedAsPainted_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Painting>("paint");
        for (const catalogue::Entry& entry : catalogue::entries())
            QTest::newRow(qPrintable(entry.file)) << entry.file << entry.paint;
    }
    void everyPictureIsEmbeddedAsPainted() {
        QFETCH(QString, file);
        QFETCH(Painting, paint);
        expectSame(embeddedPicture(file), paint());
    }

    void filesAreDistinct() {
        QSet<QString> files;
        for (const catalogue::Entry& entry : catalogue::entries())
            files.insert(entry.file);
        QCOMPARE(files.size(), catalogue::entries().size());
        QCOMPARE(files.size(), 2 * (8 + 1 + 6 + 1 + 1) + int(std::size(kIconSizes)));
    }

    // What the screens ask for by kind and scale leads to that kind's picture at that scale.
    void eachKindLeadsToItsPicture_data() {
        QTest::addColumn<Painting>("embedded");
        QTest::addColumn<Painting>("paint");
        for (const int s : catalogue::kScales) {
            for (const Words which : kAllWords)
                QTest::addRow("words %d at %d", int(which), s)
                    << Painting([which, s] { return words(which, s); })
                    << Painting([which, s] { return paintWords(which, s); });
            for (int radical = 1; radical <= 6; ++radical)
                QTest::addRow("radical %d at %d", radical, s)
                    << Painting([radical, s] { return radicalShape(radical, s); })
                    << Painting([radical, s] { return paintRadicalShape(radical, s); });
            QTest::addRow("title at %d", s)
                << Painting([s] { return title(s); }) << Painting([s] { return paintTitle(s); });
            QTest::addRow("play panel at %d", s) << Painting([s] { return playPanel(s); })
                                                 << Painting([s] { return paintPlayPanel(s); });
            QTest::addRow("gauge at %d", s) << Painting([s] { return emptyGauge(s); })
                                            << Painting([s] { return paintEmptyGauge(s); });
        }
    }
    void eachKindLeadsToItsPicture() {
        QFETCH(Painting, embedded);
        QFETCH(Painting, paint);
        expectSame(embedded(), paint());
    }

    // The fills of the play screens count on the gauge's four colours in this order.
    void gaugeKeepsItsFourColours() {
        const QImage gauge = emptyGauge();
        QCOMPARE(gauge.format(), QImage::Format_Indexed8);
        QCOMPARE(gauge.colorTable(),
                 (QList<QRgb>{kGaugeWhite, kGaugeBlue, kGaugeMagenta, kGaugeYellow}));
        QCOMPARE(gauge.size(), QSize(gauge::kWidth, gauge::kHeight));
    }

    void windowIconHasEverySizeAsPainted() {
        const QIcon icon = windowIcon();
        for (const int size : kIconSizes) {
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
            const QImage drawn = icon.pixmap(QSize(size, size))
                                     .toImage()
                                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QCOMPARE(drawn.size(), QSize(size, size));
            QCOMPARE(drawn, paintIcon(size).convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }

    // Sizes between and beyond the embedded ones come from the next larger one, never scaled up.
    void windowIconFitsOtherSizes_data() {
        QTest::addColumn<QSize>("asked");
        QTest::addColumn<int>("from");
        QTest::addColumn<QSize>("given");
        QTest::newRow("between") << QSize(40, 40) << 48 << QSize(40, 40);
        QTest::newRow("smallest") << QSize(10, 10) << 16 << QSize(10, 10);
        QTest::newRow("beyond") << QSize(512, 512) << 256 << QSize(256, 256);
        QTest::newRow("not square") << QSize(32, 20) << 32 << QSize(20, 20);
    }
    void windowIconFitsOtherSizes() {
        QFETCH(QSize, asked);
        QFETCH(int, from);
        QFETCH(QSize, given);
        const QIcon icon = windowIcon();
        QCOMPARE(icon.actualSize(asked), given);
        const QImage drawn =
            icon.pixmap(asked).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(drawn.size(), given);
        const QImage expected = paintIcon(from)
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                    .scaled(given, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        // Scaling may round a channel differently; the picture must be the same one.
        QVERIFY2(meanDifference(drawn, expected) < 2.0,
                 qPrintable(QString::number(meanDifference(drawn, expected))));
    }

    // The opaque pictures are read where the program holds them, not decoded into copies.
    // At both scales, with the scale as their device pixel ratio: a copy of the 2x pictures
    // would cost a high-DPI start several milliseconds.
    void opaquePicturesAreReadInPlace() {
        for (const int scale : catalogue::kScales) {
            const QResource stored(QStringLiteral(":/artwork/") + catalogue::titleFile(scale));
            QVERIFY(stored.isValid());
            const QImage picture = title(scale);
            QCOMPARE(picture.devicePixelRatio(), qreal(scale));
            const auto* pixels = picture.constBits();
            QVERIFY(pixels > stored.data() && pixels < stored.data() + stored.size());
        }
    }

    void unknownFileGivesNoPicture() {
        QVERIFY(embeddedPicture(QStringLiteral("radical_7.pixels")).isNull());
    }
};

QTEST_MAIN(TestBakedArtwork)
#include "test_baked_artwork.moc"
