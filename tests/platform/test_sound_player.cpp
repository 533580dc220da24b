#include "facts/content_catalogue.h"
#include "platform/audio_output.h"
#include "platform/sound_player.h"
#include "screens/navigator.h"
#include "screens/screen_window.h"
#include "shell/content_file.h"
#include "shell/content_paths.h"
#include "tests/reliability/driver_process.h"
#include "tests/screens/play_screen_probe.h"
#include "tests/support/fake_clock.h"
#include "tests/support/heard_sounds.h"
#include "tests/support/private_pulse_server.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_random.h"
#include "tests/support/test_files.h"

#include <QLocalServer>
#include <QtTest>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>

// What the player hears, recorded: a PulseAudio server of the test's own plays into a null sink
// whose monitor is recorded, and every sound is found in the recording by its file. The sound
// player, then the careful screen, must be heard as they were asked to play; without a server
// every call returns at once.
namespace {

namespace files = content_catalogue;
const QString kRight = files::kRightSound.toString();
const QString kWrong = files::kWrongSound.toString();
const QString kPass = files::kPassSound.toString();
const QString kCrow = files::kCrowSound.toString();
const QString kFail = files::kFailSound.toString();
const QString kBeep = files::kBeepSound.toString();
const QString kLastBeep = files::kLastBeepSound.toString();
const QStringList kSounds{kRight, kWrong, kPass, kCrow, kFail, kBeep, kLastBeep};
// The nice value of the test and of the server and recorder it starts.
constexpr int kPriority = -10;

QString generatedSound(const QString& name) {
    return QStringLiteral(KQ_RUNTIME_DIR "/音/") + name;
}

// Real time passes while the sink plays: the recording is made in real time. The game's own
// time rules still run on the fake clock.
void letPlay(int milliseconds) {
    QTest::qWait(milliseconds);
}

// The sound calls of the child run without a server: every sound, 200 plays, stops.
int playWithoutServer() {
    SoundPlayer player({generatedSound(kRight), generatedSound(kWrong)});
    for (const QString& name : kSounds)
        player.play(generatedSound(name));
    for (int i = 0; i < 200; ++i)
        player.play(generatedSound(i % 3 ? kRight : kWrong));
    player.stop();
    return 0;
}

} // namespace

class TestSoundPlayer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase() { m_server.stop(); }
    void everySoundIsHeardWholeOrUntilCutOff();
    void twoHundredPlaysInARow();
    void unplayableFileIsSkippedSilently_data();
    void unplayableFileIsSkippedSilently();
    void carefulScreenCrowThenFailAndAnotherGameWhileItIsPending();
    void withoutAServerEveryCallReturnsAtOnce_data();
    void withoutAServerEveryCallReturnsAtOnce();

private:
    /// `name` is about to start: it must be heard from here.
    void expect(const QString& name) { m_calls.push_back({steadyNowNs(), name, m_samples[name]}); }
    /// What plays is about to stop (`why`): silence from here.
    void expectSilence(const QString& why) { m_calls.push_back({steadyNowNs(), why, {}}); }
    void play(SoundPlayer& player, const QString& name) {
        expect(name);
        player.play(generatedSound(name));
    }
    /// Plays `scenario` and how its calls were heard, once the recording holds all of them.
    /// A play with faults is played again only when the server reported an underrun during it
    /// (a client ran short of samples: the machine did not run the player's threads in time),
    /// up to kPlays plays in all; a fault in a play without one is the player's and stands.
    /// The sounds found in the recording are counted, not the calls made: `sounds` of them must
    /// be there. `alsoFaults` names what else is wrong with a hearing.
    Hearing heard(std::size_t sounds, const std::function<void()>& scenario,
                  const std::function<QStringList(const Hearing&)>& alsoFaults = {});
    static constexpr int kPlays = 4;

    PrivatePulseServer m_server;
    std::map<QString, std::vector<float>> m_samples;
    std::vector<SoundCall> m_calls;
};

void TestSoundPlayer::initTestCase() {
    for (const QString& name : kSounds) {
        m_samples[name] = wavSamples(generatedSound(name));
        QVERIFY2(!m_samples[name].empty(), qPrintable(name));
    }
    QVERIFY2(m_server.start(), qPrintable(m_server.error()));
    for (const auto& [name, value] : m_server.clientEnvironment())
        if (name != QLatin1String("XDG_RUNTIME_DIR")) // Qt's stays
            qputenv(name.toLatin1().constData(), value.toLocal8Bit());
    // Only the server of this test, whatever else the machine has.
    qputenv("SDL_AUDIODRIVER", "pulseaudio");
    // The server holds 30 ms of the player's sound instead of the 12 ms the player asks for: on a
    // busy machine the player's threads now and then wait longer than 12 ms for the processor,
    // and the server then plays silence. More would let the time from a call to its sound vary
    // by more than the hearing allows. How soon a sound starts is the onset benchmark's matter.
    qputenv("PULSE_LATENCY_MSEC", "30");
    audio_output::startOpening();
    QTRY_VERIFY_WITH_TIMEOUT(audio_output::isOpen(), 10000);
}

Hearing TestSoundPlayer::heard(std::size_t sounds, const std::function<void()>& scenario,
                               const std::function<QStringList(const Hearing&)>& alsoFaults) {
    for (int play = 1;; ++play) {
        m_calls.clear();
        const std::size_t underrunsBefore = m_server.underruns().size();
        scenario();
        std::int64_t until = 0;
        for (const SoundCall& call : m_calls)
            until = std::max(until, call.ns + static_cast<std::int64_t>(call.samples.size()) *
                                                  1000000000 / kRecordRate);
        const bool recorded = m_server.waitUntilRecorded(until + 500000000, 10000);
        Hearing hearing = hear(m_server.recording(), m_calls);
        if (!recorded)
            hearing.faults.prepend(QStringLiteral("the recording stopped"));
        const auto found = static_cast<std::size_t>(
            std::count_if(hearing.sounds.begin(), hearing.sounds.end(),
                          [](const HeardSound& sound) { return sound.found; }));
        if (found != sounds)
            hearing.faults.prepend(QStringLiteral("%1 of the %2 sounds found in the recording")
                                       .arg(found)
                                       .arg(sounds));
        if (alsoFaults)
            hearing.faults << alsoFaults(hearing);
        const std::size_t underruns = m_server.underruns().size() - underrunsBefore;
        if (hearing.faults.isEmpty() || underruns == 0 || play == kPlays)
            return hearing;
        qWarning("play %d of %d, during which the server reported %zu underruns: %s", play, kPlays,
                 underruns, qPrintable(hearing.faults.join(u"; ")));
    }
}

// Guards: a sound cut short (the second beep of pipi.wav lost), not heard at all, heard under
// the next one, or going on after a stop or after its screen's player is gone.
void TestSoundPlayer::everySoundIsHeardWholeOrUntilCutOff() {
    // Every sound, then the fanfare cut off, the fail sound stopped and the crow with its player
    // gone.
    const Hearing hearing = heard(static_cast<std::size_t>(kSounds.size()) + 4, [this] {
        // Three sounds preloaded, the others read on their first play.
        auto* player =
            new SoundPlayer({generatedSound(kRight), generatedSound(kPass), generatedSound(kBeep)});
        for (const QString& name : kSounds) {
            play(*player, name);
            letPlay(static_cast<int>(m_samples[name].size() * 1000 / kRecordRate) + 150);
        }
        play(*player, kPass);
        letPlay(400);
        play(*player, kLastBeep); // cuts the fanfare off
        letPlay(600);
        play(*player, kFail);
        letPlay(300);
        expectSilence(QStringLiteral("stop"));
        player->stop();
        letPlay(300);
        play(*player, kCrow);
        letPlay(300);
        expectSilence(QStringLiteral("player gone"));
        delete player;
        letPlay(300);
    });
    QVERIFY2(hearing.faults.isEmpty(), qPrintable(hearing.faults.join(QLatin1Char('\n'))));
}

// Guards: the player going silent or fading after some plays of the same sound, and a sound that
// does not start when another is cut off at once.
void TestSoundPlayer::twoHundredPlaysInARow() {
    // The first and the last are heard whole and as loud as each other.
    const auto fadedOrCut = [](const Hearing& hearing) {
        const HeardSound& first = hearing.sounds.front();
        const HeardSound& last = hearing.sounds.back();
        if (!first.found || !last.found || first.heardShare < 1.0 || last.heardShare < 1.0)
            return QStringList{QStringLiteral("the first or the last sound is not heard whole")};
        if (std::abs(last.gain / first.gain - 1.0) >= 0.1)
            return QStringList{QStringLiteral("the first sound's gain %1, the last's %2")
                                   .arg(first.gain)
                                   .arg(last.gain)};
        return QStringList{};
    };
    const Hearing hearing = heard(
        200,
        [this] {
            SoundPlayer player({generatedSound(kRight), generatedSound(kWrong)});
            for (int i = 1; i <= 200; ++i) {
                // Runs of either sound, the first and the last heard whole.
                const bool right = i == 1 || i == 200 || (i * 7) % 10 < 6;
                play(player, right ? kRight : kWrong);
                letPlay(i == 1 || i == 200 ? 500 : 45);
            }
        },
        fadedOrCut);
    QVERIFY2(hearing.faults.isEmpty(), qPrintable(hearing.faults.join(QLatin1Char('\n'))));
}

// Guards: a crash, a hang (a FIFO read, an endless device) or noise from a file in a sound's
// place that cannot be played. Playing it still stops the sound before.
void TestSoundPlayer::unplayableFileIsSkippedSilently_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"missing", "empty", "truncated", "not a WAV", "folder", "FIFO",
                             "link to /dev/zero", "over the size limit"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestSoundPlayer::unplayableFileIsSkippedSilently() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(kWrong);
    QFile good(generatedSound(kWrong));
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray wav = good.readAll();
    QFile file(path);
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(dir.path()).mkdir(kWrong));
    } else if (kind == QLatin1String("FIFO")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("link to /dev/zero")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (kind != QLatin1String("missing")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == QLatin1String("truncated"))
            file.write(wav.left(wav.size() / 2));
        else if (kind == QLatin1String("not a WAV"))
            file.write(QByteArray("RIFF\x10\0\0\0AVI LIST", 16) + wav.mid(16));
        else if (kind == QLatin1String("over the size limit"))
            while (file.size() <= kLargeFileLimit)
                file.write(wav); // joined whole files: the first header, then loud samples
        file.close();
    }
    // The sound before it, then silence.
    const Hearing hearing = heard(1, [&] {
        SoundPlayer player({path});
        play(player, kRight);
        letPlay(150);
        expectSilence(kind);
        player.play(path);
        letPlay(300);
    });
    QVERIFY2(hearing.faults.isEmpty(), qPrintable(hearing.faults.join(QLatin1Char('\n'))));
}

// The careful screen with the generated sounds: two games to the crow, the fail sound one second
// after the first; the second game's crow is followed at once by another game, which calls the
// pending fail sound off. Guards: a screen that plays the wrong file, or whose sounds are lost
// after many answers, heard only in part, or heard where the game plays none.
void TestSoundPlayer::carefulScreenCrowThenFailAndAnotherGameWhileItIsPending() {
    TestContent content;
    QVERIFY(content.isValid());
    content.writeList(3, 'o', test_files::range(1, 40));
    content.writeList(3, 'x', test_files::range(101, 40));
    content.writeCharacterPictures(test_files::range(1, 40) + test_files::range(101, 40));
    QVERIFY(QDir(content.appPath()).mkdir(QStringLiteral("音")));
    for (const QString& name : kSounds)
        QVERIFY(QFile::copy(generatedSound(name), content_paths::sound(content.appPath(), name)));
    // 200 answers, the crow twice, the fail sound once and two answers of the third game.
    const Hearing hearing = heard(205, [&] {
        FakeClock clock(36000.0);
        ScriptedRandom random;
        RecordingReporter reporter;
        Navigator navigator(content.appPath(), clock, random, reporter);
        navigator.start();
        screen_test::click(navigator.currentScreen(), QStringLiteral("Command1(2)"));
        screen_test::click(navigator.currentScreen(), QStringLiteral("Command4(1)"));
        QCoreApplication::processEvents();
        QCOMPARE(navigator.currentKind(), Screen::Careful);
        QWidget* screen = navigator.currentScreen();
        const auto answer = [&](bool right) {
            const bool real = PlayScreenProbe(screen).character() <= 40;
            expect(right ? kRight : kWrong);
            screen_test::click(screen, QStringLiteral("Command2(%1)").arg(real == right ? 0 : 1));
        };
        const auto tick = [&](const QString& sound) {
            clock.advance(1.0);
            expect(sound);
            tickRunningTimers(screen);
        };
        const auto playGameToTheCrow = [&] {
            for (int q = 1; q <= 100; ++q) {
                answer(q % 10 < 7);
                letPlay(45);
            }
            letPlay(500);
            tick(kCrow);
        };

        playGameToTheCrow();
        letPlay(1000);
        tick(kFail);
        letPlay(1200);
        screen_test::click(screen, QStringLiteral("Command3"));
        playGameToTheCrow();
        letPlay(300);
        screen_test::click(screen, QStringLiteral("Command3"));
        answer(true);
        letPlay(600);
        // Another game has called the fail sound off: the wait's end stays silent.
        clock.advance(1.0);
        tickRunningTimers(screen);
        letPlay(1200);
        answer(false);
        letPlay(500);
        QVERIFY(reporter.files.isEmpty());
    });
    QVERIFY2(hearing.faults.isEmpty(), qPrintable(hearing.faults.join(QLatin1Char('\n'))));
}

// Guards: a call that waits for a sound server that is absent or hangs, an end of the program
// that waits for it, and SDL's "disk" driver writing the sound into a file.
void TestSoundPlayer::withoutAServerEveryCallReturnsAtOnce_data() {
    QTest::addColumn<QString>("driver");
    QTest::addColumn<QString>("server");
    QTest::newRow("no server") << QString() << QStringLiteral("none");
    QTest::newRow("a server that never answers")
        << QStringLiteral("pulseaudio") << QStringLiteral("mute");
    QTest::newRow("the disk driver") << QStringLiteral("disk") << QStringLiteral("none");
}

void TestSoundPlayer::withoutAServerEveryCallReturnsAtOnce() {
    QFETCH(QString, driver);
    QFETCH(QString, server);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Takes connections into its queue and never answers them.
    QLocalServer mute;
    QVERIFY(mute.listen(dir.filePath(QStringLiteral("mute"))));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"),
                       QStringLiteral("unix:") + dir.filePath(server));
    environment.insert(QStringLiteral("HOME"), dir.path());
    environment.insert(QStringLiteral("SDL_DISKAUDIOFILE"),
                       dir.filePath(QStringLiteral("written")));
    environment.remove(QStringLiteral("SDL_AUDIODRIVER"));
    if (!driver.isEmpty())
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), driver);
    // A server that never answers keeps SDL waiting 30 s; the child must be long gone by then.
    const driver_process::Outcome outcome =
        driver_process::run(QCoreApplication::applicationFilePath(),
                            {QStringLiteral("--play-without-server")}, environment, 10000);
    QVERIFY2(outcome.finished, "the calls or the end waited for the sound server");
    QVERIFY(!outcome.crashed);
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("written"))));
}

int main(int argc, char* argv[]) {
    // A call's time is taken just before the call: on a busy machine the test's own thread may
    // wait for the processor between the two, and the sound then starts later than the hearing
    // allows. So the test, and the server and recorder it starts, get the processor before the
    // machine's other work (a build), as a desktop's sound does. Set before any thread is made,
    // as each takes its maker's priority; where the test may not raise it, it runs as it is.
    ::setpriority(PRIO_PROCESS, 0, kPriority);
    if (argc == 2 && qstrcmp(argv[1], "--play-without-server") == 0) {
        QCoreApplication app(argc, argv);
        return playWithoutServer();
    }
    QApplication app(argc, argv);
    TestSoundPlayer test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_sound_player.moc"
