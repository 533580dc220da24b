// Start to menu shown: runs the game and a bare one-label Qt window 20 times each, offscreen,
// and measures from the exec to the first paint of the first window. Prints both medians and
// their ratio (goal: the game within 1.7 times the bare window).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kRuns = 20;

// CPU time (user and system) of the finished child processes so far, in milliseconds.
double childrenCpuMs() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Run {
    double wallMs = -1; ///< from start to the marker line; -1 when it never came
    double cpuMs = 0;   ///< CPU of the whole run (it ends right after the first paint)
};

Run timeToFirstPaint(const QString& program) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KQ_BENCH_FIRST_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    const double cpuBefore = childrenCpuMs();
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    Run run;
    QByteArray out;
    while (process.waitForReadyRead(10000)) {
        out += process.readAllStandardOutput();
        if (out.contains("first-paint")) {
            run.wallMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            break;
        }
    }
    process.waitForFinished(10000);
    run.cpuMs = childrenCpuMs() - cpuBefore;
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    std::vector<double> game;
    std::vector<double> bare;
    std::vector<double> gameCpu;
    std::vector<double> bareCpu;
    // Interleaved, so that a change in the machine's load touches both alike.
    for (int i = 0; i < kRuns; ++i) {
        const Run g = timeToFirstPaint(QStringLiteral(KQ_GAME_EXECUTABLE));
        const Run b = timeToFirstPaint(QStringLiteral(KQ_BARE_EXECUTABLE));
        if (g.wallMs < 0 || b.wallMs < 0) {
            out << "a program did not paint its first window\n";
            return 1;
        }
        game.push_back(g.wallMs);
        bare.push_back(b.wallMs);
        gameCpu.push_back(g.cpuMs);
        bareCpu.push_back(b.cpuMs);
    }
    const double gameMedian = median(game);
    const double bareMedian = median(bare);
    out << "start to first paint, median of " << kRuns << " runs (offscreen)\n";
    out << "  game (menu):       " << QString::number(gameMedian, 'f', 1) << " ms\n";
    out << "  bare label window: " << QString::number(bareMedian, 'f', 1) << " ms\n";
    out << "  ratio:             " << QString::number(gameMedian / bareMedian, 'f', 2)
        << " (goal <= 1.70)\n";
    // The CPU figures do not count time spent waiting for other programs on a busy machine.
    const double gameCpuMedian = median(gameCpu);
    const double bareCpuMedian = median(bareCpu);
    out << "CPU of a whole run (start, first paint, end), median\n";
    out << "  game: " << QString::number(gameCpuMedian, 'f', 1)
        << " ms, bare window: " << QString::number(bareCpuMedian, 'f', 1)
        << " ms, ratio: " << QString::number(gameCpuMedian / bareCpuMedian, 'f', 2) << "\n";
    return 0;
}
