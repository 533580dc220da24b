#include "platform/picture_loader.h"
#include "shell/content_error.h"
#include "tests/platform/gif_bytes.h"
#include "tests/support/test_files.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A small four-colour picture with a known pixel in each quarter, 24 x 16 times `scale`.
QImage sample(int scale = 1) {
    QImage image(24 * scale, 16 * scale, QImage::Format_Indexed8);
    image.setColorTable({0xffffffff, 0xff0402fc, 0xffff00ff, 0xffffff00});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, uint((x >= 12 * scale) + 2 * (y >= 8 * scale)));
    return image;
}

} // namespace

class TestPictureLoader : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QByteArray m_gif;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        if (!test_files::write(path, bytes))
            qFatal("cannot write the test file");
        return path;
    }
    // Loading `path` must fail with a ContentError that names it; returns the fault text.
    QString faultOf(const QString& path) {
        try {
            loadPictureFile(path);
        } catch (const ContentError& error) {
            if (error.file() != path)
                qWarning() << "error names" << error.file() << "not" << path;
            return error.file() == path ? error.fault() : QString();
        }
        return QStringLiteral("(loaded)");
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_gif = gifBytes(sample());
        QVERIFY(m_gif.startsWith("GIF89a"));
    }

    void loadsAGifWithItsPixels() {
        const QImage picture = loadPictureFile(write(QStringLiteral("ok.gif"), m_gif));
        QCOMPARE(picture.size(), QSize(24, 16));
        QCOMPARE(picture.pixel(0, 0), QRgb(0xffffffff));
        QCOMPARE(picture.pixel(23, 0), QRgb(0xff0402fc));
        QCOMPARE(picture.pixel(0, 15), QRgb(0xffff00ff));
        QCOMPARE(picture.pixel(23, 15), QRgb(0xffffff00));
    }

    // The reader goes by the bytes, not by the name.
    void loadsOtherPictureBytesUnderAGifName() {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(sample().save(&buffer, "PNG"));
        QCOMPARE(loadPictureFile(write(QStringLiteral("png.gif"), png)).size(), QSize(24, 16));
    }

    // Some writers leave out the closing byte; the picture is whole all the same.
    void loadsAGifWithoutItsTrailer() {
        const QByteArray noTrailer = m_gif.left(m_gif.size() - 1);
        QCOMPARE(loadPictureFile(write(QStringLiteral("notrailer.gif"), noTrailer)).size(),
                 QSize(24, 16));
    }

    void missingFileIsNamed() {
        const QString path = m_dir.filePath(QStringLiteral("nothere.gif"));
        QCOMPARE(faultOf(path), QStringLiteral("ファイルが見つかりません。"));
    }

    void directoryIsNotAPicture() { QVERIFY(!faultOf(m_dir.path()).isEmpty()); }

    // Every broken file ends in a ContentError naming it, never in an empty picture.
    void brokenFilesAreNamed_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("fault");
        const QByteArray gif = gifBytes(sample());
        QTest::newRow("empty") << QByteArray() << QStringLiteral("ファイルが空です。");
        QTest::newRow("garbage") << QByteArray("this is not a picture at all\r\n", 30)
                                 << QStringLiteral("対応していない形式");
        QTest::newRow("header only") << gif.left(6) << QStringLiteral("途中で切れています");
        QTest::newRow("screen only") << gif.left(13) << QStringLiteral("途中で切れています");
        QTest::newRow("cut in half")
            << gif.left(gif.size() / 2) << QStringLiteral("途中で切れています");
        QTest::newRow("last block cut")
            << gif.left(gif.size() - 3) << QStringLiteral("途中で切れています");
        QByteArray noImage = gif.left(13 + 3 * 4);
        noImage.append(char(0x3b));
        QTest::newRow("no image") << noImage << QStringLiteral("画像がありません");
        QByteArray badBlock = gif.left(13 + 3 * 4);
        badBlock.append("\x55\x00\x3b", 3);
        QTest::newRow("unknown block") << badBlock << QStringLiteral("構造が壊れています");
    }
    void brokenFilesAreNamed() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, fault);
        const QString path =
            write(QStringLiteral("broken %1.gif").arg(QTest::currentDataTag()), bytes);
        const QString got = faultOf(path);
        QVERIFY2(got.contains(fault), qPrintable(got));
    }

    // A 2x form is optional, but one that is there must be right: a bad one is a content fault
    // naming the 2x file, as a bad 1x file would be, never a picture shown at the wrong size.
    void doubleSizeFormsAreTakenOrNamed_data() {
        QTest::addColumn<QByteArray>("doubled"); // empty: no 2x file
        QTest::addColumn<QString>("fault");      // empty: loads
        QTest::newRow("none") << QByteArray() << QString();
        QTest::newRow("twice the size") << gifBytes(sample(2)) << QString();
        QTest::newRow("the 1x size")
            << gifBytes(sample()) << QStringLiteral("24 × 16 です（48 × 32");
        QTest::newRow("broken") << m_gif.left(13) << QStringLiteral("途中で切れています");
    }
    void doubleSizeFormsAreTakenOrNamed() {
        QFETCH(QByteArray, doubled);
        QFETCH(QString, fault);
        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        const QString path = write(QStringLiteral("%1.gif").arg(tag), m_gif);
        const QString doubledPath = m_dir.filePath(tag + QStringLiteral("@2x.gif"));
        if (!doubled.isEmpty())
            write(tag + QStringLiteral("@2x.gif"), doubled);
        try {
            const QImage picture = loadDoubleSizePicture(path, QSize(24, 16));
            QVERIFY2(fault.isEmpty(), "loaded");
            QCOMPARE(picture.size(), doubled.isEmpty() ? QSize(0, 0) : QSize(48, 32));
            if (!doubled.isEmpty())
                QCOMPARE(picture.pixel(47, 31), QRgb(0xffffff00));
        } catch (const ContentError& error) {
            QCOMPARE(error.file(), doubledPath);
            QVERIFY2(!fault.isEmpty() && error.fault().contains(fault), qPrintable(error.fault()));
        }
    }

    // The program never writes a file: loading leaves a read-only file as it was.
    void readsAReadOnlyFileWithoutTouchingIt() {
        const QString path = write(QStringLiteral("readonly.gif"), m_gif);
        QFile::setPermissions(path, QFileDevice::ReadOwner);
        const QDateTime before = QFileInfo(path).lastModified();
        QCOMPARE(loadPictureFile(path).size(), QSize(24, 16));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), m_gif);
        QCOMPARE(QFileInfo(path).lastModified(), before);
    }
};

QTEST_MAIN(TestPictureLoader)
#include "test_picture_loader.moc"
