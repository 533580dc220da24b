// Press to sound onset: the real careful screen, offscreen, with the generated content, plays into
// a PulseAudio server of its own whose null sink is recorded. 200 key presses, 300 ms apart; each
// answer sound is found in the recording and its first sample timed against the press. Prints the
// median, the 90th percentile and the maximum (goal: median at most 20 ms, max at most 40 ms).
#include "platform/audio_output.h"
#include "platform/sound_player.h"
#include "platform/system_random.h"
#include "printing_reporter.h"
#include "screens/application_setup.h"
#include "screens/navigator.h"
#include "screens/screen_window.h"
#include "tests/support/fake_clock.h"
#include "tests/support/heard_sounds.h"
#include "tests/support/private_pulse_server.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kPresses = 200;
constexpr int kPressEveryMs = 300;

// Waits `ms` with the event loop running, as the player's game would.
void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double at(std::vector<double> sorted, double share) {
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1))];
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTextStream out(stdout);
    PrivatePulseServer server;
    if (!server.start()) {
        out << server.error() << "\n";
        return 1;
    }
    for (const auto& [name, value] : server.clientEnvironment())
        qputenv(name.toLatin1().constData(), value.toLocal8Bit());
    qputenv("SDL_AUDIODRIVER", "pulseaudio");

    QApplication app(argc, argv);
    setUpApplication();
    // The clock stands still except when the benchmark moves it past the end-of-game wait.
    FakeClock clock(36000.0);
    SystemRandom random(clock);
    PrintingReporter reporter;
    const QString appPath = QStringLiteral(KQ_RUNTIME_DIR);
    Navigator navigator(appPath, clock, random, reporter);
    navigator.start();
    audio_output::startOpening();
    for (int i = 0; i < 500 && !audio_output::isOpen(); ++i)
        wait(10);
    if (!audio_output::isOpen()) {
        out << "the sound output did not open on the private server\n";
        return 1;
    }
    const auto button = [&](const char* name) {
        return navigator.currentScreen()->findChild<QAbstractButton*>(QString::fromLatin1(name));
    };
    button("Command1(0)")->click();
    button("Command4(1)")->click();
    wait(100);
    if (reporter.failed || navigator.currentKind() != Screen::Careful)
        return 1;
    QWidget* screen = navigator.currentScreen();
    const SoundPlayer* player = screen->findChild<SoundPlayer*>(QStringLiteral("MediaPlayer1"));
    // What was played last, as the recording must show it from `ns` on.
    const auto played = [&](std::int64_t ns) {
        const QString name = player->lastPlayed().section(QLatin1Char('/'), -1);
        return SoundCall{ns, name, wavSamples(player->lastPlayed())};
    };

    std::vector<SoundCall> calls;
    std::vector<bool> isPress;
    for (int i = 0; i < kPresses; ++i) {
        screen->activateWindow();
        QApplication::setActiveWindow(screen);
        QWidget* target = screen->focusWidget() ? screen->focusWidget() : screen;
        const std::int64_t pressed = steadyNowNs();
        QTest::keyClick(target, i % 3 ? Qt::Key_O : Qt::Key_X);
        calls.push_back(played(pressed));
        isPress.push_back(true);
        wait(kPressEveryMs);
        // After the hundredth answer: the rating (its sound is not timed), then another game.
        if (auto* timer2 = screen->findChild<QTimer*>(QStringLiteral("Timer2"));
            timer2->isActive()) {
            clock.advance(1.5);
            const std::int64_t rated = steadyNowNs();
            QMetaObject::invokeMethod(timer2, "timeout");
            calls.push_back(played(rated));
            isPress.push_back(false);
            wait(kPressEveryMs);
            button("Command3")->click();
        }
    }
    // Until the last sound has ended.
    const SoundCall& last = calls.back();
    server.waitUntilRecorded(
        last.ns + static_cast<std::int64_t>(last.samples.size()) * 1000000000 / kRecordRate +
            500000000,
        10000);
    const Hearing hearing = hear(server.recording(), calls);

    std::vector<double> onsets;
    for (std::size_t i = 0; i < hearing.sounds.size(); ++i)
        if (isPress[i] && hearing.sounds[i].found)
            onsets.push_back(hearing.sounds[i].onsetMs);
    out << "press to sound onset, " << kPresses << " key presses on the careful screen, "
        << onsets.size() << " sounds found in the recording of a private PulseAudio null sink\n";
    if (onsets.empty())
        return 1;
    out << "  median: " << QString::number(at(onsets, 0.5), 'f', 1) << " ms (goal <= 20 ms)\n";
    out << "  p90:    " << QString::number(at(onsets, 0.9), 'f', 1) << " ms\n";
    out << "  max:    " << QString::number(at(onsets, 1.0), 'f', 1) << " ms (goal <= 40 ms)\n";
    out << "  the server ran short of samples " << server.underruns().size()
        << " times (a busy machine); glitches heard past: " << hearing.glitches
        << "; faults: " << hearing.faults.size() << "\n";
    for (const QString& fault : hearing.faults.mid(0, 10))
        out << "  fault: " << fault << "\n";
    server.stop();
    return hearing.faults.isEmpty() ? 0 : 1;
}
