#include "driver_process.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

// The game never opens a file for writing: whole careful and speed games (with another game,
// the how-to-play screen and both ratings) run under strace, and every open of the program and
// of all its threads is checked for a write flag. Qt's and fontconfig's own caches and the
// runtime folder are sent into the test's temporary folder, the one place where a write is
// allowed. Besides it, only these devices, which are not files:
//  - /dev/null, which libraries open read-write to discard output;
//  - /dev/shm/, the shared memory through which a sound server takes the audio of a sound.
namespace {

struct Open {
    QString path;
    bool write = false;
    bool relativeToHandle = false; // openat on a directory handle: the folder is unknown
};

// strace writes a path with C escapes, bytes beyond ASCII as octal.
QString unescape(const QString& quoted) {
    QByteArray bytes;
    const QByteArray raw = quoted.toLatin1();
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 >= raw.size()) {
            bytes += raw[i];
            continue;
        }
        const char next = raw[++i];
        if (next >= '0' && next <= '7') {
            int value = 0;
            int digits = 0;
            for (; digits < 3 && i < raw.size() && raw[i] >= '0' && raw[i] <= '7'; ++digits, ++i)
                value = value * 8 + (raw[i] - '0');
            --i;
            bytes += static_cast<char>(value);
        } else {
            bytes += next == 'n' ? '\n' : next == 't' ? '\t' : next;
        }
    }
    return QString::fromUtf8(bytes);
}

// One line of the trace: an open, or nothing (a resumed call, a signal, an exit).
std::optional<Open> parseOpen(const QString& line) {
    static const QRegularExpression call(
        QStringLiteral("^(?:\\d+\\s+)?(open|openat|creat)\\((?:(AT_FDCWD|\\d+),\\s*)?\"((?:[^"
                       "\"\\\\]|\\\\.)*)\"(?:,\\s*([A-Z0-9_|]+))?"));
    const QRegularExpressionMatch match = call.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    Open open;
    open.path = unescape(match.captured(3));
    const QStringList flags = match.captured(4).split(QLatin1Char('|'));
    open.write = match.captured(1) == QLatin1String("creat");
    for (const char* flag : {"O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND"})
        open.write = open.write || flags.contains(QLatin1String(flag));
    const QString handle = match.captured(2);
    open.relativeToHandle = !handle.isEmpty() && handle != QLatin1String("AT_FDCWD") &&
                            !open.path.startsWith(QLatin1Char('/'));
    return open;
}

// Why this open is not allowed, or empty.
QString forbidden(const Open& open, const QString& ownFolder) {
    if (!open.write)
        return {};
    if (open.relativeToHandle)
        return QStringLiteral("written relative to a directory handle: ") + open.path;
    const QString path = open.path.startsWith(QLatin1Char('/'))
                             ? open.path
                             : ownFolder + QLatin1Char('/') + open.path; // the child's folder
    const QString clean = QDir::cleanPath(path);
    if (clean == ownFolder || clean.startsWith(ownFolder + QLatin1Char('/')))
        return {};
    if (clean == QLatin1String("/dev/null") || clean.startsWith(QLatin1String("/dev/shm/")))
        return {};
    return QStringLiteral("opened for writing: ") + open.path;
}

} // namespace

class TestNeverWrites : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsTheTrace_data();
    void readsTheTrace();
    void wholeGamesOpenNothingForWriting();
};

// The trace reader itself, on lines as strace writes them: a reader that missed a write flag
// would let the game test pass whatever the game did.
void TestNeverWrites::readsTheTrace_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("verdict"); // "" allowed, "-" not an open, else the fault's start
    QTest::newRow("read")
        << "12 openat(AT_FDCWD, \"/game/data/ox/h1o.dat\", O_RDONLY|O_CLOEXEC) = 4"
        << "";
    QTest::newRow("write elsewhere")
        << "12 openat(AT_FDCWD, \"/home/p/.cache/x\", O_WRONLY|O_CREAT|O_TRUNC, 0666) = 5"
        << "opened for writing: /home/p/.cache/x";
    QTest::newRow("read-write elsewhere, unfinished")
        << "12 openat(AT_FDCWD, \"/var/x\", O_RDWR|O_CLOEXEC <unfinished ...>"
        << "opened for writing: /var/x";
    QTest::newRow("append, no pid") << "open(\"/var/log/x\", O_WRONLY|O_APPEND) = 3"
                                    << "opened for writing: /var/log/x";
    QTest::newRow("creat") << "12 creat(\"/var/x\", 0644) = 3"
                           << "opened for writing: /var/x";
    QTest::newRow("escaped name")
        << "12 openat(AT_FDCWD, \"/g/data/\\347\\224\\273\\345\\203\\217/b1.gif\", O_RDWR) = 3"
        << "opened for writing: /g/data/画像/b1.gif";
    QTest::newRow("inside own folder")
        << "12 openat(AT_FDCWD, \"/tmp/own/cache/fontconfig/x\", O_RDWR|O_CREAT, 0666) = 3"
        << "";
    QTest::newRow("beside own folder")
        << "12 openat(AT_FDCWD, \"/tmp/own2/x\", O_RDWR|O_CREAT, 0666) = 3"
        << "opened for writing: /tmp/own2/x";
    QTest::newRow("escape from own folder")
        << "12 openat(AT_FDCWD, \"/tmp/own/../x\", O_WRONLY|O_CREAT, 0666) = 3"
        << "opened for writing: /tmp/own/../x";
    QTest::newRow("directory handle") << "12 openat(7, \"x\", O_WRONLY|O_CREAT, 0666) = 3"
                                      << "written relative";
    QTest::newRow("resumed") << "12 <... openat resumed>) = 3"
                             << "-";
    QTest::newRow("exit") << "12 +++ exited with 0 +++"
                          << "-";
}

void TestNeverWrites::readsTheTrace() {
    QFETCH(QString, line);
    QFETCH(QString, verdict);
    const std::optional<Open> open = parseOpen(line);
    if (verdict == QLatin1String("-")) {
        QVERIFY(!open);
        return;
    }
    QVERIFY(open);
    const QString fault = forbidden(*open, QStringLiteral("/tmp/own"));
    if (verdict.isEmpty())
        QCOMPARE(fault, QString());
    else
        QVERIFY2(fault.startsWith(verdict), qPrintable(fault));
}

void TestNeverWrites::wholeGamesOpenNothingForWriting() {
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    QVERIFY2(!strace.isEmpty(), "strace is not installed (scripts/test installs it)");
    QTemporaryDir own;
    QVERIFY(own.isValid());
    const QString folder = QDir(own.path()).canonicalPath();
    QProcessEnvironment environment =
        driver_process::offscreenEnvironment(folder + QStringLiteral("/runtime"));
    for (const char* name : {"home", "tmp"})
        QVERIFY(QDir(folder).mkdir(QString::fromLatin1(name)));
    environment.insert(QStringLiteral("HOME"), folder + QStringLiteral("/home"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), folder + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder + QStringLiteral("/data"));
    environment.insert(QStringLiteral("TMPDIR"), folder + QStringLiteral("/tmp"));

    const QString trace = folder + QStringLiteral("/trace.txt");
    const QString script =
        QStringLiteral("radical 1; careful; play 80; another; play 30; back; howto; back; "
                       "radical 4; speed; play 90; another; play 20; back; end");
    const driver_process::Outcome outcome = driver_process::run(
        strace,
        {QStringLiteral("-f"), QStringLiteral("-qq"), QStringLiteral("-s"), QStringLiteral("4096"),
         QStringLiteral("-e"), QStringLiteral("trace=open,openat,creat"), QStringLiteral("-o"),
         trace, QStringLiteral(KQ_GAME_DRIVER), QStringLiteral(KQ_RUNTIME_DIR), script},
        environment, 120000);
    QVERIFY2(outcome.finished && !outcome.crashed, qPrintable(outcome.output));
    QVERIFY2(outcome.exitCode == 0, qPrintable(outcome.output));

    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList faults;
    QStringList read;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const std::optional<Open> open = parseOpen(QString::fromLatin1(line));
        if (!open)
            continue;
        read << open->path;
        if (const QString fault = forbidden(*open, folder); !fault.isEmpty())
            faults << fault;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    // The trace covers the whole of both games: each of these files was opened to be read.
    for (const char* relative :
         {"data/ox/h1o.dat", "data/ox/h4x.dat", "data/遊び方.txt", "data/画像/h4.gif",
          "data/画像/waku.gif", "data/画像/cmedal.gif", "data/画像/smedal.gif",
          "data/画像/karasu.gif", "data/画像/3.gif", "data/画像/1.gif"})
        QVERIFY2(read.contains(QStringLiteral(KQ_RUNTIME_DIR "/") + QString::fromUtf8(relative)),
                 relative);
}

QTEST_GUILESS_MAIN(TestNeverWrites)
#include "test_never_writes.moc"
