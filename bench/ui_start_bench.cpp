// Start to menu shown: runs the game and a bare one-label Qt window 20 times each, offscreen, at
// device pixel ratios 1, 2 and 1.5 (QT_SCALE_FACTOR), and measures from the exec to the first paint
// of the first window. Prints the medians and the game's against the bare window's at the same
// ratio (goal: at most 1.3 times).
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

Run timeToFirstPaint(const QString& program, const QString& scale) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
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

// The runs of one program at one ratio.
struct Series {
    QString name;
    QString program;
    QString scale;
    std::vector<double> wall{};
    std::vector<double> cpu{};
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString game = QStringLiteral(KQ_GAME_EXECUTABLE);
    const QString bare = QStringLiteral(KQ_BARE_EXECUTABLE);
    std::vector<Series> series;
    for (const char* scale : {"1", "2", "1.5"})
        for (const bool isGame : {true, false})
            series.push_back(
                {QStringLiteral("%1 at %2")
                     .arg(isGame ? QStringLiteral("game (menu)") : QStringLiteral("bare window"))
                     .arg(QLatin1String(scale)),
                 isGame ? game : bare, QString::fromLatin1(scale)});
    // Interleaved, so that a change in the machine's load touches all alike.
    for (int i = 0; i < kRuns; ++i)
        for (Series& s : series) {
            const Run run = timeToFirstPaint(s.program, s.scale);
            if (run.wallMs < 0) {
                out << s.name << " did not paint its first window\n";
                return 1;
            }
            s.wall.push_back(run.wallMs);
            s.cpu.push_back(run.cpuMs);
        }
    out << "start to first paint, median of " << kRuns << " runs (offscreen)\n";
    for (const Series& s : series)
        out << "  " << s.name << ": " << QString::number(median(s.wall), 'f', 1) << " ms, CPU "
            << QString::number(median(s.cpu), 'f', 1) << " ms\n";
    const auto ratio = [&](std::size_t a, std::size_t b, bool cpu) {
        return QString::number(cpu ? median(series[a].cpu) / median(series[b].cpu)
                                   : median(series[a].wall) / median(series[b].wall),
                               'f', 2);
    };
    out << "game against the bare window (goal <= 1.30): at ratio 1 " << ratio(0, 1, false)
        << " (CPU " << ratio(0, 1, true) << "), at ratio 2 " << ratio(2, 3, false) << " (CPU "
        << ratio(2, 3, true) << "), at ratio 1.5 " << ratio(4, 5, false) << " (CPU "
        << ratio(4, 5, true) << ")\n";
    out << "game at ratio 2 against ratio 1: " << ratio(2, 0, false) << " (CPU "
        << ratio(2, 0, true) << ")\n";
    return 0;
}
