// Soak: many careful and speed games in one run of the real screens (offscreen, fake clock),
// each reached from the menu and left for it again, so every screen is built and destroyed once
// per game. Prints the resident memory as it goes; its growth after the warm-up should stay
// under 1 MiB. Not a test; run by hand, also under valgrind:
//
//   QT_QPA_PLATFORM=offscreen reliability_soak [careful games] [speed games]
//   QT_QPA_PLATFORM=offscreen valgrind --leak-check=full
//       --errors-for-leak-kinds=definite --error-exitcode=1 reliability_soak 10 10

#include "facts/radicals.h"
#include "screens/application_setup.h"
#include "screens/navigator.h"
#include "tests/reliability/game_runner.h"
#include "tests/support/fake_clock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace {

// A content fault ends the soak at once: the content beside the game is expected to be sound.
class AbortingReporter : public ErrorReporter {
public:
    void report(const ContentError& error) override {
        std::fprintf(stderr, "content fault: %s\n", qPrintable(error.message()));
        std::exit(1);
    }
};

long residentKib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication();
    const int carefulGames = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int speedGames = argc > 2 ? std::atoi(argv[2]) : 1000;
    const int total = carefulGames + speedGames;
    const int warmUp = std::min(20, total / 2);

    FakeClock clock(36000.0);
    ScriptedRandom random(7);
    AbortingReporter reporter;
    Navigator navigator(QStringLiteral(KQ_RUNTIME_DIR), clock, random, reporter);
    GameRunner runner(navigator, clock, random);
    navigator.start();
    runner.settle();

    const long start = residentKib();
    long afterWarmUp = start;
    QElapsedTimer elapsed;
    elapsed.start();
    int careful = 0;
    int speed = 0;
    for (int game = 1; game <= total; ++game) {
        // Alternate the modes while both have games left; radicals and scores vary.
        const bool playSpeed = careful >= carefulGames || (speed < speedGames && game % 2 == 0);
        const int radical = (game - 1) % kRadicalCount + 1;
        const int right = (game * 37) % 101;
        if (!runner.open(radical, playSpeed ? 0 : 1) || !runner.playGame(right) ||
            !runner.backToMenu()) {
            std::fprintf(stderr, "game %d (%s) did not run to its end\n", game,
                         playSpeed ? "speed" : "careful");
            return 2;
        }
        (playSpeed ? speed : careful) += 1;
        // Objects deleted later are freed by the event loop, which this loop stands in for.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (game == warmUp)
            afterWarmUp = residentKib();
        if (game % 200 == 0 || game == total)
            std::printf("game %5d: resident %ld KiB\n", game, residentKib());
    }
    const long end = residentKib();
    std::printf("%d careful and %d speed games in %.1f s (%.2f ms a game)\n", careful, speed,
                elapsed.elapsed() / 1000.0, static_cast<double>(elapsed.elapsed()) / total);
    std::printf("resident memory: %ld KiB at the menu, %ld KiB after %d games of warm-up, "
                "%ld KiB at the end\n",
                start, afterWarmUp, warmUp, end);
    std::printf("growth after the warm-up: %ld KiB (goal: under 1024 KiB)\n", end - afterWarmUp);
    return 0;
}
