#include "driver_process.h"
#include "tests/support/test_files.h"
#include "tools/content/content_writer.h"
#include "tools/content/gif_writer.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#include <tuple>

// Every content file the game opens, damaged in every way, through the real program: the driver
// runs the real screens with the real message-box reporter on a copy of the generated content,
// plays up to the moment the file is opened, and reads out and answers the message box. A fault
// must give the box naming the file and the fault and exit code 1; an unplayable pair of lists
// a message on the menu with the program going on; a picture of an unusual size a correct
// display; a broken sound nothing at all. Nothing may crash or hang; each case prints how long
// the program took.
namespace {

enum class Damage {
    Missing,
    Empty,
    Truncated,
    Garbage,
    NotGif,
    Folder,
    OddSize,
    Bytes,
    Fifo,       // a named pipe that nobody writes: opening it must not wait
    DeviceLink, // a link to /dev/zero: endless bytes
    LinkLoop,   // two links that point at each other
};

const QString kPictures = QStringLiteral("data/画像/");
const QString kLists = QStringLiteral("data/ox/");

// Scripts that reach each file.
const QString kMenuOnly = QStringLiteral("radical 1; end");
const QString kCarefulStart = QStringLiteral("radical 1; careful; back; end");
const QString kSpeedGame = QStringLiteral("radical 1; speed; play 100; back; end");
const QString kAnotherGame = QStringLiteral("radical 1; careful; play 100; another; back; end");
QString ratedGame(int right) {
    return QStringLiteral("radical 1; careful; play %1; probe Image5; back; end").arg(right);
}
// Both modes, a crow and a medal on each: every sound of the game is played.
const QString kEverySound =
    QStringLiteral("radical 1; careful; play 0; another; play 100; back; "
                   "radical 1; speed; play 0; another; play 100; back; end");

QByteArray garbage(int size, unsigned seed) {
    QByteArray bytes(size, '\0');
    for (char& c : bytes) {
        seed = seed * 1103515245u + 12345u;
        c = static_cast<char>(seed >> 16);
    }
    return bytes;
}

QByteArray oddSizePicture() {
    QImage image(30, 500, QImage::Format_Indexed8);
    image.setColorTable({qRgb(10, 200, 30)});
    image.fill(0);
    return content::encodeGif(image);
}

// A word list as the generator writes it, its count line saying `count` whatever the items.
QByteArray list(int count, const QList<int>& items) {
    const QByteArray bytes = content::ContentWriter::wordListBytes(items);
    return QByteArray::number(count) + bytes.mid(bytes.indexOf('\r'));
}

using test_files::range;

// Applies the damage to one file; false when that was not possible.
bool damage(const QString& path, Damage kind, const QByteArray& bytes) {
    QFile file(path);
    const QByteArray original = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.close();
    QByteArray replacement;
    switch (kind) {
    case Damage::Missing:
        return QFile::remove(path);
    case Damage::Folder:
        return QFile::remove(path) && QDir().mkdir(path);
#ifdef Q_OS_UNIX
    case Damage::Fifo:
        return QFile::remove(path) && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Damage::DeviceLink:
        return QFile::remove(path) && QFile::link(QStringLiteral("/dev/zero"), path);
    case Damage::LinkLoop:
        return QFile::remove(path) && QFile::link(path + ".loop", path) &&
               QFile::link(path, path + ".loop");
#else
    // Windows has no named pipes or devices in a folder, and Qt's links there are shortcuts.
    case Damage::Fifo:
    case Damage::DeviceLink:
    case Damage::LinkLoop:
        return false;
#endif
    case Damage::Empty:
        break;
    case Damage::Truncated:
        replacement = original.left(original.size() / 2);
        break;
    case Damage::Garbage:
        replacement = garbage(1500, static_cast<unsigned>(qHash(path)));
        break;
    case Damage::NotGif:
        replacement = original;
        replacement.replace(0, 3, "PNG");
        break;
    case Damage::OddSize:
        replacement = oddSizePicture();
        break;
    case Damage::Bytes:
        replacement = bytes;
        break;
    }
    return test_files::write(path, replacement);
}

} // namespace

class TestBadContent : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void faultyFile_data();
    void faultyFile();

private:
    void addPictureRows(const QString& name, const QString& script);
    QString m_runtimeDir;
};

void TestBadContent::initTestCase() {
    QVERIFY(QFileInfo::exists(QStringLiteral(KQ_RUNTIME_DIR "/data/ox/h1o.dat")));
    m_runtimeDir = QDir::temp().filePath(QStringLiteral("kq-bad-content-runtime"));
}

void TestBadContent::faultyFile_data() {
    QTest::addColumn<QStringList>("files"); // relative to AppPath; "*" names every match
    QTest::addColumn<int>("damageKind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("fault");  // in the message box; empty: no message box at all
    QTest::addColumn<QString>("output"); // further text the driver must print

    const auto row = [](const QString& name, const QStringList& files, Damage kind,
                        const QByteArray& bytes, const QString& script, int exitCode,
                        const QString& fault, const QString& output = QString()) {
        QTest::newRow(qPrintable(name))
            << files << static_cast<int>(kind) << bytes << script << exitCode << fault << output;
    };

    // Word lists, both of radical 1: every fault of the format.
    for (const QString& name : {QStringLiteral("h1o.dat"), QStringLiteral("h1x.dat")}) {
        const QStringList file{kLists + name};
        row(name + " missing", file, Damage::Missing, {}, kMenuOnly, 1, "ファイルが見つかりません");
        row(name + " a folder", file, Damage::Folder, {}, kMenuOnly, 1, "フォルダー");
        row(name + " empty", file, Damage::Empty, {}, kMenuOnly, 1, "件数がありません");
        row(name + " fewer items than the count", file, Damage::Bytes, list(40, range(1, 10)),
            kMenuOnly, 1, "項目が足りません（件数 40 に対して 10 項目");
        row(name + " count 220", file, Damage::Bytes, list(220, range(0, 220)), kMenuOnly, 1,
            "件数 220 が上限の 219");
        row(name + " item not decimal", file, Damage::Bytes, "3\r\n1\r\n2x\r\n3\r\n", kMenuOnly, 1,
            "3 番目の項目「2x」が10進数");
        row(name + " count not decimal", file, Damage::Bytes, "0x10\r\n", kMenuOnly, 1,
            "1 番目の項目「0x10」が10進数");
        row(name + " item over 16 bits", file, Damage::Bytes, "3\r\n1\r\n70000\r\n3\r\n", kMenuOnly,
            1, "3 番目の項目「70000」が16ビット");
        row(name + " character 220", file, Damage::Bytes, "2\r\n5\r\n220\r\n", kMenuOnly, 1,
            "3 番目の項目の文字番号 220 が 0～219 の範囲外");
        row(name + " character -1", file, Damage::Bytes, "2\r\n-1\r\n5\r\n", kMenuOnly, 1,
            "2 番目の項目の文字番号 -1 が 0～219 の範囲外");
        row(name + " binary garbage", file, Damage::Garbage, {}, kMenuOnly, 1, "10進数");
        row(name + " truncated", file, Damage::Truncated, {}, kMenuOnly, 1, "項目が足りません");
    }
    row("h1o.dat over a megabyte", {kLists + "h1o.dat"}, Damage::Bytes,
        list(40, range(1, 40)) + QByteArray(1 << 20, ' '), kMenuOnly, 1, "大きすぎます");
    // Lists that read well but cannot make a game: a message on the menu naming the file and
    // its count, no mode buttons, and the program goes on to its end button.
    row("h1o.dat count 0", {kLists + "h1o.dat"}, Damage::Bytes, "0\r\n", kMenuOnly, 0,
        "実在する漢字の一覧が空なので、ゲームを始められません。 |  | ファイル: {file} | 件数: 0",
        "modes hidden");
    row("h1x.dat count 0", {kLists + "h1x.dat"}, Damage::Bytes, "0\r\n", kMenuOnly, 0,
        "存在しない漢字の一覧が空なので、ゲームを始められません。 |  | ファイル: {file} | 件数: 0",
        "modes hidden");
    row("h1o.dat count -1", {kLists + "h1o.dat"}, Damage::Bytes, "-1\r\n", kMenuOnly, 0,
        "実在する漢字の一覧が空なので、ゲームを始められません。 |  | ファイル: {file} | 件数: -1",
        "modes hidden");
    row("h1x.dat count -1", {kLists + "h1x.dat"}, Damage::Bytes, "-1\r\n5\r\n", kMenuOnly, 0,
        "ファイル: {file} | 件数: -1", "modes hidden");
    row("30 different characters", {kLists + "h1o.dat", kLists + "h1x.dat"}, Damage::Bytes,
        list(30, range(1, 30)), kMenuOnly, 0, "異なる文字が 30 個しかありません", "modes hidden");

    // The how-to-play text.
    const QStringList text{QStringLiteral("data/遊び方.txt")};
    const QString howTo = QStringLiteral("howto; back; end");
    row("遊び方.txt missing", text, Damage::Missing, {}, howTo, 1, "ファイルが見つかりません");
    row("遊び方.txt a folder", text, Damage::Folder, {}, howTo, 1, "フォルダー");
    row("遊び方.txt empty", text, Damage::Empty, {}, howTo, 0, {}, "lines 0");
    row("遊び方.txt invalid byte", text, Damage::Bytes, "ok\r\n\xff\r\n", howTo, 1, "Shift_JIS");
    row("遊び方.txt bad second byte", text, Damage::Bytes, "\x82\x20\r\n", howTo, 1, "Shift_JIS");
    row("遊び方.txt cut inside a character", text, Damage::Bytes, "\x82\xa0\x82", howTo, 1,
        "Shift_JIS");
    // Old editors end a text with the end-of-file mark 0x1A: no line of its own.
    row("遊び方.txt end-of-file mark", text, Damage::Bytes, "\x82\xa0\r\n\x82\xa2\r\n\x1a", howTo,
        0, {}, "lines 2\n");

#ifdef Q_OS_UNIX
    // Anything but a regular file, after following links, in place of a word list, the text
    // and a picture. A named pipe must not block the game in opening it, a device must not be
    // read until memory runs out, a loop of links is not a missing file.
    const std::tuple<QString, QStringList, QString> places[] = {
        {QStringLiteral("h1o.dat"), {kLists + "h1o.dat"}, kMenuOnly},
        {QStringLiteral("遊び方.txt"), text, howTo},
        {QStringLiteral("h1.gif"), {kPictures + "h1.gif"}, kCarefulStart},
    };
    for (const auto& [name, file, script] : places) {
        row(name + " a named pipe", file, Damage::Fifo, {}, script, 1, "名前付きパイプ");
        row(name + " a link to /dev/zero", file, Damage::DeviceLink, {}, script, 1, "デバイス");
        row(name + " a loop of links", file, Damage::LinkLoop, {}, script, 1, "循環");
    }
#endif

    // Every picture, at the moment the game first opens it.
    addPictureRows(QStringLiteral("h1.gif"), kCarefulStart);
    addPictureRows(QStringLiteral("h1.gif"), kSpeedGame);
    addPictureRows(QStringLiteral("b*.gif"), kCarefulStart);
    addPictureRows(QStringLiteral("waku.gif"), kAnotherGame);
    addPictureRows(QStringLiteral("gmedal.gif"), ratedGame(100));
    addPictureRows(QStringLiteral("smedal.gif"), ratedGame(90));
    addPictureRows(QStringLiteral("cmedal.gif"), ratedGame(80));
    addPictureRows(QStringLiteral("karasu.gif"), ratedGame(0));
    for (const char* digit : {"3", "2", "1"})
        addPictureRows(QStringLiteral("%1.gif").arg(digit), kSpeedGame);

    // Pictures of an unusual size: shown at their own size, or scaled where the control scales.
    const QString scaled = QStringLiteral("visible=1 picture=30x500 control=184x225 covers=1");
    for (const char* medal : {"gmedal", "smedal", "cmedal", "karasu"}) {
        const int right = QByteArray(medal) == "gmedal"   ? 100
                          : QByteArray(medal) == "smedal" ? 90
                          : QByteArray(medal) == "cmedal" ? 80
                                                          : 0;
        row(QStringLiteral("%1.gif unusual size").arg(medal),
            {kPictures + QString::fromLatin1(medal) + ".gif"}, Damage::OddSize, {},
            ratedGame(right), 0, {}, "probe Image5 " + scaled);
    }
    row("3.gif unusual size", {kPictures + "3.gif"}, Damage::OddSize, {},
        "radical 1; speed; probe Image6; back; end", 0, {},
        "probe Image6 visible=1 picture=30x500 control=138x88 covers=1");
    for (const char* digit : {"2", "1"})
        row(QStringLiteral("%1.gif unusual size").arg(digit),
            {kPictures + QString::fromLatin1(digit) + ".gif"}, Damage::OddSize, {}, kSpeedGame, 0,
            {});
    row("h1.gif unusual size", {kPictures + "h1.gif"}, Damage::OddSize, {},
        "radical 1; careful; probe Image2; play 100; back; end", 0, {},
        "probe Image2 visible=1 picture=30x500");
    row("b*.gif unusual size", {kPictures + "b*.gif"}, Damage::OddSize, {},
        "radical 1; careful; probe Image3; play 100; back; end", 0, {},
        "probe Image3 visible=1 picture=30x500");

    // The empty gauge must have the gauge's geometry, since every fill relies on it: one of
    // another size can never show the game correctly, so it must be reported like any other
    // fault in a picture.
    row("waku.gif unusual size", {kPictures + "waku.gif"}, Damage::OddSize, {}, kAnotherGame, 1,
        "waku.gif");

    // Sounds: a missing or broken sound is skipped in silence and the game goes on.
    const QStringList sounds{QStringLiteral("音/*.wav")};
    row("sounds missing", sounds, Damage::Missing, {}, kEverySound, 0, {});
    row("sounds empty", sounds, Damage::Empty, {}, kEverySound, 0, {});
    row("sounds truncated", sounds, Damage::Truncated, {}, kEverySound, 0, {});
    row("sounds garbage", sounds, Damage::Garbage, {}, kEverySound, 0, {});
    row("sounds folders", sounds, Damage::Folder, {}, kEverySound, 0, {});
}

void TestBadContent::addPictureRows(const QString& name, const QString& script) {
    const QStringList file{kPictures + name};
    const QString mode =
        script.contains(QLatin1String("speed")) ? QStringLiteral(" (speed)") : QString();
    const std::pair<Damage, const char*> cases[] = {
        {Damage::Missing, "ファイルが見つかりません"},
        {Damage::Folder, "フォルダー"},
        {Damage::Empty, "ファイルが空です"},
        {Damage::Truncated, "GIF ファイルが途中で切れています"},
        {Damage::Garbage, "対応していない形式"},
        {Damage::NotGif, "対応していない形式"},
    };
    const char* const names[] = {"missing", "a folder", "empty", "truncated", "garbage", "not GIF"};
    for (int i = 0; i < 6; ++i)
        QTest::newRow(qPrintable(QStringLiteral("%1 %2%3").arg(name, names[i], mode)))
            << file << static_cast<int>(cases[i].first) << QByteArray() << script << 1
            << QString::fromUtf8(cases[i].second) << QString();
}

void TestBadContent::faultyFile() {
    QFETCH(QStringList, files);
    QFETCH(int, damageKind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, script);
    QFETCH(int, exitCode);
    QFETCH(QString, fault);
    QFETCH(QString, output);

    QTemporaryDir appDir;
    QVERIFY(appDir.isValid());
    QVERIFY(driver_process::copyContent(QStringLiteral(KQ_RUNTIME_DIR), appDir.path()));
    QStringList damaged;
    for (const QString& pattern : files) {
        const QFileInfo info(appDir.filePath(pattern));
        const QStringList names =
            QDir(info.absolutePath()).entryList({info.fileName()}, QDir::Files);
        QVERIFY2(!names.isEmpty(), qPrintable(pattern));
        for (const QString& name : names) {
            const QString path = info.absolutePath() + QLatin1Char('/') + name;
            QVERIFY2(damage(path, static_cast<Damage>(damageKind), bytes), qPrintable(path));
            damaged << path;
        }
    }

    QElapsedTimer took;
    took.start();
    const driver_process::Outcome outcome =
        driver_process::run(QStringLiteral(KQ_GAME_DRIVER), {appDir.path(), script},
                            driver_process::offscreenEnvironment(m_runtimeDir));
    qInfo("%lld ms", took.elapsed());
    const QString report =
        QStringLiteral("exit %1, output:\n%2").arg(outcome.exitCode).arg(outcome.output);
    QVERIFY2(outcome.finished, qPrintable("hung: " + report));
    QVERIFY2(!outcome.crashed, qPrintable("crashed: " + report));
    QVERIFY2(!outcome.output.contains(QLatin1String("step failed")), qPrintable(report));
    QCOMPARE(outcome.exitCode, exitCode);

    const QStringList messages = outcome.output.split(QLatin1Char('\n'))
                                     .filter(QRegularExpression(QStringLiteral("^message: ")));
    // "{file}" in the expected fault stands for the damaged file's full path.
    fault.replace(QStringLiteral("{file}"), damaged.value(0));
    if (fault.isEmpty()) {
        QVERIFY2(messages.isEmpty(), qPrintable(report));
    } else {
        QCOMPARE(messages.size(), 1);
        // Paths in "/" form: on Windows the game joins "\data\..." to the AppPath.
        const QString message = QDir::fromNativeSeparators(messages[0]);
        QVERIFY2(message.contains(fault), qPrintable(report));
        if (exitCode != 0) {
            // The message names the file: one of the damaged ones, by its full path.
            bool named = false;
            for (const QString& path : damaged)
                named = named || message.contains(QStringLiteral("ファイル: ") + path + " |");
            QVERIFY2(named, qPrintable(report));
        }
    }
    if (!output.isEmpty())
        QVERIFY2(outcome.output.contains(output), qPrintable(report));
}

QTEST_GUILESS_MAIN(TestBadContent)
#include "test_bad_content.moc"
