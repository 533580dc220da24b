#include "platform/picture_loader.h"
#include "shell/content_error.h"
#include "tests/platform/gif_bytes.h"
#include "tests/support/test_files.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A small four-colour picture with a known pixel in each quarter.
QImage sample() {
    QImage image(24, 16, QImage::Format_Indexed8);
    image.setColorTable({0xffffffff, 0xff0402fc, 0xffff00ff, 0xffffff00});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 24; ++x)
            image.setPixel(x, y, uint((x >= 12) + 2 * (y >= 8)));
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
