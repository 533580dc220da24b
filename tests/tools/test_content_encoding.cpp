#include "tools/content/gif_writer.h"
#include "tools/content/palette.h"
#include "tools/content/wav_file.h"

#include <QBuffer>
#include <QImageReader>
#include <QtTest>
#include <stdexcept>

// The encoders of the generator: GIF through giflib, the palettes, WAV samples.
class TestContentEncoding : public QObject {
    Q_OBJECT

private:
    static QImage decode(const QByteArray& bytes) {
        QByteArray copy = bytes;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "gif");
        return reader.read().convertToFormat(QImage::Format_RGB32);
    }

    // A picture with `colours` distinct colours in a pattern that LZW cannot flatten.
    static QImage indexedPattern(QSize size, int colours) {
        QImage image(size, QImage::Format_Indexed8);
        QList<QRgb> table;
        for (int i = 0; i < colours; ++i)
            table.append(qRgb((i * 37) & 255, (i * 91) & 255, (i * 53 + 7) & 255));
        image.setColorTable(table);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, uint((x * 7 + y * 13 + x * y) % colours));
        return image;
    }

private Q_SLOTS:
    // Guards: colour tables that are not a power of two, odd sizes, or an LZW stream that Qt
    // reads back differently from what was drawn.
    void gifRoundTripsExactly_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("colours");
        QTest::newRow("one pixel, two colours") << QSize(1, 1) << 2;
        QTest::newRow("three colours") << QSize(81, 361) << 3;
        QTest::newRow("sixteen greys size") << QSize(140, 231) << 16;
        QTest::newRow("seventeen colours") << QSize(90, 231) << 17;
        QTest::newRow("full table") << QSize(184, 225) << 256;
    }
    void gifRoundTripsExactly() {
        QFETCH(QSize, size);
        QFETCH(int, colours);
        const QImage drawn = indexedPattern(size, colours);
        const QByteArray bytes = content::encodeGif(drawn);
        QVERIFY(bytes.startsWith("GIF8"));
        QCOMPARE(decode(bytes), drawn.convertToFormat(QImage::Format_RGB32));
    }

    void gifRejectsWhatItCannotStore() {
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 content::encodeGif(QImage(4, 4, QImage::Format_RGB32)));
        QImage bad = indexedPattern(QSize(4, 4), 3);
        bad.scanLine(0)[0] = 7; // no colour 7 in the table
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, content::encodeGif(bad));
    }

    // Guards: a grey quantiser that shifts black or white (the window is black, ink white) or
    // gives more levels than the palette holds.
    void greyLevelsKeepBlackAndWhite() {
        QImage ramp(256, 1, QImage::Format_RGB32);
        for (int x = 0; x < 256; ++x)
            ramp.setPixel(x, 0, qRgb(x, x, x));
        const QImage grey = content::toGreyLevels(ramp, 16);
        QCOMPARE(grey.colorCount(), 16);
        QCOMPARE(grey.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(grey.pixel(255, 0), qRgb(255, 255, 255));
        for (int x = 0; x < 256; ++x)
            QVERIFY(std::abs(qRed(grey.pixel(x, 0)) - x) <= 9);
    }

    // Guards: a palette that changes colours when it need not (the gauge's four colours must
    // stay exact) or strays far from the picture when it must reduce.
    void paletteIsExactWhenFewAndCloseWhenMany() {
        const QImage few = indexedPattern(QSize(50, 50), 4).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(content::toPalette(few, 256).convertToFormat(QImage::Format_RGB32), few);
        QImage many(64, 64, QImage::Format_RGB32);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                many.setPixel(x, y, qRgb(x * 4, y * 4, (x + y) * 2));
        const QImage reduced = content::toPalette(many, 256);
        QVERIFY(reduced.colorCount() <= 256);
        double error = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QRgb a = many.pixel(x, y);
                const QRgb b = reduced.pixel(x, y);
                error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                         std::abs(qBlue(a) - qBlue(b));
            }
        QVERIFY2(error / (64 * 64 * 3) < 6.0, qPrintable(QString::number(error / (64 * 64 * 3))));
    }

    // Guards: samples that clip, or a sound that starts or ends on a step (a click).
    void pcmPeaksBelowFullScaleAndFadesAtTheEnds() {
        std::vector<float> square(2000);
        for (std::size_t i = 0; i < square.size(); ++i)
            square[i] = (i / 50) % 2 ? 3.0f : -3.0f;
        const std::vector<qint16> pcm = content::toPcm(square, 0.7);
        int peak = 0;
        for (const qint16 s : pcm)
            peak = std::max(peak, std::abs(int(s)));
        QCOMPARE(peak, int(std::lround(0.7 * 32767)));
        QVERIFY(std::abs(pcm.front()) < 100);
        QVERIFY(std::abs(pcm.back()) < 100);
        const QByteArray wav = content::encodeWav(pcm);
        QCOMPARE(wav.size(), qsizetype(44 + 2 * pcm.size()));
    }
};

QTEST_MAIN(TestContentEncoding)
#include "test_content_encoding.moc"
