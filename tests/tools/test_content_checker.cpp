#include "artwork/gauge_art.h"
#include "artwork/gauge_check.h"
#include "artwork/painting.h"
#include "tests/support/test_files.h"
#include "tools/checker/content_check.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

// The content checker: clean content passes, and each kind of planted fault is found and named
// with its file, however many other faults there are.
class TestContentChecker : public QObject {
    Q_OBJECT

public:
    using Plant = std::function<void(const QString& dir)>;

private:
    static void copyTree(const QString& from, const QString& to) {
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString target = to + source.mid(from.size());
            // Plain read and write: QFile::copy goes through a synced temporary file and is
            // many times slower for a few hundred files.
            QFile in(source);
            QVERIFY(in.open(QIODevice::ReadOnly));
            write(target, in.readAll());
        }
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QVERIFY(test_files::write(path, bytes));
    }

    static QString picture(const QString& dir, const QString& name) {
        return dir + QStringLiteral("/data/画像/") + name;
    }

    // The generated gauge with some pixels changed, saved where the game looks for it (PNG
    // bytes under the GIF name: Qt reads pictures by their content).
    static void plantGauge(const QString& dir, const std::function<void(QImage&)>& change,
                           int scale = 1) {
        QImage gauge = artwork::paintEmptyGauge(scale).convertToFormat(QImage::Format_RGB32);
        change(gauge);
        QVERIFY(gauge.save(
            picture(dir, scale == 1 ? QStringLiteral("waku.gif") : QStringLiteral("waku@2x.gif")),
            "PNG"));
    }

private Q_SLOTS:
    void generatedContentIsClean() {
        const QList<content::Fault> faults = content::checkContent(QStringLiteral(KQ_RUNTIME_DIR));
        for (const content::Fault& fault : faults)
            qWarning("%s: %s", qPrintable(fault.file), qPrintable(fault.text));
        QVERIFY(faults.isEmpty());
    }

    // Guards: a checker that stops at the first fault, misses a kind of fault, or names the
    // wrong file.
    void plantedFaultsAreFound_data() {
        QTest::addColumn<Plant>("plant");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("words");
        QTest::newRow("missing character picture")
            << Plant([](const QString& d) { QFile::remove(picture(d, "b3.gif")); })
            << QStringLiteral("b3.gif") << QStringLiteral("見つかりません");
        QTest::newRow("missing list")
            << Plant([](const QString& d) { QFile::remove(d + "/data/ox/h4x.dat"); })
            << QStringLiteral("h4x.dat") << QStringLiteral("見つかりません");
        QTest::newRow("missing sound")
            << Plant([](const QString& d) { QFile::remove(d + "/音/dame.wav"); })
            << QStringLiteral("dame.wav") << QStringLiteral("見つかりません");
        QTest::newRow("count over 219")
            << Plant([](const QString& d) { write(d + "/data/ox/h2o.dat", "300\r\n1\r\n"); })
            << QStringLiteral("h2o.dat") << QStringLiteral("上限");
        QTest::newRow("fewer items than the count")
            << Plant([](const QString& d) { write(d + "/data/ox/h1o.dat", "5\r\n1\r\n2\r\n"); })
            << QStringLiteral("h1o.dat") << QStringLiteral("足りません");
        QTest::newRow("character number out of range")
            << Plant([](const QString& d) { write(d + "/data/ox/h6x.dat", "1\r\n220\r\n"); })
            << QStringLiteral("h6x.dat") << QStringLiteral("範囲外");
        QTest::newRow("empty X list cannot make a game")
            << Plant([](const QString& d) { write(d + "/data/ox/h5x.dat", "0\r\n"); })
            << QStringLiteral("h5x.dat") << QStringLiteral("ゲームを始められません");
        QTest::newRow("too few different characters") << Plant([](const QString& d) {
            write(d + "/data/ox/h3o.dat", "3\r\n1\r\n2\r\n3\r\n");
            write(d + "/data/ox/h3x.dat", "3\r\n3\r\n4\r\n5\r\n");
        }) << QStringLiteral("h3x.dat") << QStringLiteral("31");
        QTest::newRow("radical picture of the wrong size") << Plant([](const QString& d) {
            QFile::remove(picture(d, "h5.gif"));
            QFile::copy(picture(d, "b4.gif"), picture(d, "h5.gif"));
        }) << QStringLiteral("h5.gif") << QStringLiteral("140 × 231");
        QTest::newRow("character picture that does not decode")
            << Plant([](const QString& d) { write(picture(d, "b10.gif"), "GIF89a\x01"); })
            << QStringLiteral("b10.gif") << QString();
        QTest::newRow("text that is not code page 932")
            << Plant([](const QString& d) { write(d + "/data/遊び方.txt", "ok\r\n\x82\xff\r\n"); })
            << QStringLiteral("遊び方.txt") << QStringLiteral("932");
        QTest::newRow("gauge separator painted over") << Plant([](const QString& d) {
            plantGauge(d, [](QImage& g) { g.setPixel(40, 33, artwork::kGaugeBlue); });
        }) << QStringLiteral("waku.gif") << QStringLiteral("y 33");
        QTest::newRow("2x character picture of the 1x size") << Plant([](const QString& d) {
            QFile::remove(picture(d, "b4@2x.gif"));
            QFile::copy(picture(d, "b4.gif"), picture(d, "b4@2x.gif"));
        }) << QStringLiteral("b4@2x.gif") << QStringLiteral("280 × 462");
        QTest::newRow("2x gauge separator painted over") << Plant([](const QString& d) {
            plantGauge(
                d, [](QImage& g) { g.setPixel(80, 67, artwork::kGaugeBlue); }, 2);
        }) << QStringLiteral("waku@2x.gif") << QStringLiteral("y 67");
        QTest::newRow("sound that is not 16-bit PCM") << Plant([](const QString& d) {
            // A float WAV header: format 3, 32 bits.
            const char header[] = "RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x03\0\x01\0"
                                  "\x22\x56\0\0\x88\x58\x01\0\x04\0\x20\0data\0\0\0\0";
            write(d + "/音/o.wav", QByteArray(header, sizeof header - 1));
        }) << QStringLiteral("o.wav") << QStringLiteral("PCM");
    }
    void plantedFaultsAreFound() {
        QFETCH(Plant, plant);
        QFETCH(QString, file);
        QFETCH(QString, words);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        copyTree(QStringLiteral(KQ_RUNTIME_DIR), dir.path());
        // A second, unrelated fault must not hide the planted one.
        QFile::remove(picture(dir.path(), QStringLiteral("3.gif")));
        plant(dir.path());
        const QList<content::Fault> faults = content::checkContent(dir.path());
        bool found = false;
        bool foundOther = false;
        for (const content::Fault& fault : faults) {
            found = found || (fault.file.contains(file) && fault.text.contains(words));
            foundOther = foundOther ||
                         QDir::fromNativeSeparators(fault.file).endsWith(QStringLiteral("/3.gif"));
        }
        QVERIFY2(found, qPrintable(file));
        QVERIFY(foundOther);
    }

    // Guards: a gauge whose fills would spill into a neighbouring cell or the labels, or find
    // a white pixel where they are seeded.
    void gaugeFaultsAreFoundRowByRow_data() {
        QTest::addColumn<QList<QPoint>>("changed");
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("separator above the first cell")
            << QList<QPoint>{{1, 30}, {79, 30}} << artwork::kGaugeBlue
            << QStringList{QStringLiteral("区切り線（y 30）: 2 個")};
        QTest::newRow("separator below the last cell")
            << QList<QPoint>{{5, 330}} << artwork::kGaugeMagenta
            << QStringList{QStringLiteral("区切り線（y 330）")};
        QTest::newRow("white pixel in a cell at the seed column")
            << QList<QPoint>{{40, 31}} << artwork::kGaugeWhite
            << QStringList{QStringLiteral("1 番目のマス（y 31）")};
        QTest::newRow("white in the last cell and in the first")
            << QList<QPoint>{{1, 329}, {79, 32}} << artwork::kGaugeWhite
            << QStringList{QStringLiteral("1 番目のマス（y 32）"),
                           QStringLiteral("100 番目のマス（y 329）")};
        QTest::newRow("gap in the right edge") << QList<QPoint>{{80, 200}} << artwork::kGaugeBlue
                                               << QStringList{QStringLiteral("外枠の右端")};
        QTest::newRow("gap in the top edge") << QList<QPoint>{{3, 0}} << artwork::kGaugeMagenta
                                             << QStringList{QStringLiteral("外枠の上端")};
    }
    void gaugeFaultsAreFoundRowByRow() {
        QFETCH(QList<QPoint>, changed);
        QFETCH(QRgb, colour);
        QFETCH(QStringList, expected);
        QImage gauge = artwork::paintEmptyGauge().convertToFormat(QImage::Format_RGB32);
        QVERIFY(artwork::gaugeFaults(gauge).isEmpty());
        for (const QPoint& p : changed)
            gauge.setPixel(p, colour);
        const QStringList faults = artwork::gaugeFaults(gauge);
        QCOMPARE(faults.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(faults.at(i).contains(expected.at(i)), qPrintable(faults.at(i)));
    }

    // Guards: a checker that reports success to scripts and the test suite whatever it found.
    void commandExitsNonZeroOnlyWithFaults() {
        QProcess clean;
        clean.start(QStringLiteral(KQ_CONTENT_CHECKER), {QStringLiteral(KQ_RUNTIME_DIR)});
        QVERIFY(clean.waitForFinished(60000));
        QCOMPARE(clean.exitCode(), 0);
        QTemporaryDir empty;
        QProcess faulty;
        faulty.start(QStringLiteral(KQ_CONTENT_CHECKER), {empty.path()});
        QVERIFY(faulty.waitForFinished(60000));
        QCOMPARE(faulty.exitCode(), 1);
        // Every file of an empty directory is missing, and each is named on its own line.
        const QString out = QString::fromUtf8(faulty.readAllStandardOutput());
        for (const char* name :
             {"h1o.dat", "h6x.dat", "h1.gif", "waku.gif", "遊び方.txt", "pipipi.wav"})
            QVERIFY2(out.contains(QString::fromUtf8(name)), name);
    }
};

QTEST_MAIN(TestContentChecker)
#include "test_content_checker.moc"
