#include "artwork/raw_picture.h"

#include <QtTest>
#include <cstring>

using namespace artwork;

namespace {

// A picture whose every pixel differs from its neighbours, so that a shifted row shows.
QImage pattern(QSize size, QImage::Format format) {
    QImage image(size, format);
    if (format == QImage::Format_Indexed8) {
        image.setColorTable({0xffffffff, 0xff0402fc, 0xffff00ff, 0xffffff00});
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, uint((x + 3 * y) % 4));
        return image;
    }
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgba(x * 7 % 256, y * 5 % 256, (x ^ y) % 256, (x + y) % 256));
    return image;
}

} // namespace

class TestRawPicture : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Odd widths leave padding at the end of an indexed row; the rows must still line up.
    void roundTripKeepsEveryPixel_data() {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("opaque") << pattern({90, 231}, QImage::Format_RGB32);
        QTest::newRow("alpha") << pattern({32, 32}, QImage::Format_ARGB32);
        QTest::newRow("indexed, padded rows") << pattern({81, 361}, QImage::Format_Indexed8);
        QTest::newRow("one pixel") << pattern({1, 1}, QImage::Format_Indexed8);
    }
    void roundTripKeepsEveryPixel() {
        QFETCH(QImage, picture);
        const QImage back = raw::decode(raw::encode(picture));
        QCOMPARE(back.format(), picture.format());
        QCOMPARE(back.size(), picture.size());
        QCOMPARE(back.colorTable(), picture.colorTable());
        QCOMPARE(back, picture);
    }

    // Whatever lies in the padding of a row, one picture gives one file: the build must be
    // repeatable.
    void paddingDoesNotReachTheBytes() {
        QImage a = pattern({81, 3}, QImage::Format_Indexed8);
        QImage b = a.copy();
        for (int y = 0; y < 3; ++y) {
            std::memset(a.scanLine(y) + 81, 0x00, size_t(a.bytesPerLine() - 81));
            std::memset(b.scanLine(y) + 81, 0xab, size_t(b.bytesPerLine() - 81));
        }
        QCOMPARE(raw::encode(a), raw::encode(b));
    }

    void encodeRefusesWhatItCannotKeep_data() {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("null") << QImage();
        QTest::newRow("24-bit") << QImage(4, 4, QImage::Format_RGB888);
        QTest::newRow("premultiplied") << QImage(4, 4, QImage::Format_ARGB32_Premultiplied);
    }
    void encodeRefusesWhatItCannotKeep() {
        QFETCH(QImage, picture);
        QVERIFY(raw::encode(picture).isEmpty());
    }

    // Damaged bytes give no picture rather than a wrong one or a read past the end.
    void decodeRefusesDamagedBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = raw::encode(pattern({9, 5}, QImage::Format_Indexed8));
        auto withWord = [&good](int word, quint32 value) {
            QByteArray bytes = good;
            std::memcpy(bytes.data() + 4 * word, &value, sizeof value);
            return bytes;
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header cut") << good.left(20);
        QTest::newRow("rows cut") << good.chopped(1);
        QTest::newRow("a byte too many") << good + QByteArray(1, '\0');
        QTest::newRow("other mark") << withWord(0, 0x4b515058);
        QTest::newRow("zero width") << withWord(1, 0);
        QTest::newRow("huge height") << withWord(2, 1u << 30);
        QTest::newRow("format not taken") << withWord(3, quint32(QImage::Format_RGB888));
        QTest::newRow("rows of another length") << withWord(4, 9);
        QTest::newRow("too many colours") << withWord(5, 257);
    }
    void decodeRefusesDamagedBytes() {
        QFETCH(QByteArray, bytes);
        QVERIFY(raw::decode(bytes).isNull());
        QVERIFY(raw::decodeInPlace(bytes).isNull());
    }

    // Aligned 32-bit rows are read where they lie; anything else is copied, and every way gives
    // the same picture.
    void inPlaceReadsAlignedRowsWithoutCopying_data() {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("inPlace");
        QTest::newRow("opaque, aligned") << pattern({90, 231}, QImage::Format_RGB32) << 0 << true;
        QTest::newRow("alpha, aligned") << pattern({16, 16}, QImage::Format_ARGB32) << 0 << true;
        QTest::newRow("opaque, off by one")
            << pattern({90, 231}, QImage::Format_RGB32) << 1 << false;
        QTest::newRow("indexed") << pattern({81, 361}, QImage::Format_Indexed8) << 0 << false;
    }
    void inPlaceReadsAlignedRowsWithoutCopying() {
        QFETCH(QImage, picture);
        QFETCH(int, offset);
        QFETCH(bool, inPlace);
        // QByteArray's own storage is aligned well beyond 4 bytes.
        const QByteArray stored = QByteArray(offset, '\0') + raw::encode(picture);
        const QByteArrayView bytes(stored.constData() + offset, stored.size() - offset);
        const QImage image = raw::decodeInPlace(bytes);
        QCOMPARE(image, picture);
        const auto* pixels = reinterpret_cast<const char*>(image.constBits());
        const bool within = pixels >= bytes.data() && pixels < bytes.data() + bytes.size();
        QCOMPARE(within, inPlace);
    }

    // A change to a picture read in place goes to its own copy, never to the stored bytes.
    void changingAPictureReadInPlaceLeavesTheBytes() {
        const QImage picture = pattern({8, 8}, QImage::Format_RGB32);
        const QByteArray stored = raw::encode(picture);
        QImage image = raw::decodeInPlace(stored);
        image.setPixel(0, 0, 0xff123456);
        QCOMPARE(raw::decode(stored), picture);
        QCOMPARE(image.pixel(0, 0), 0xff123456u);
    }
};

QTEST_GUILESS_MAIN(TestRawPicture)
#include "test_raw_picture.moc"
