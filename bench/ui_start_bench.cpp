// Start to menu shown: runs the game and a bare one-label Qt window 20 times each, offscreen,
// and measures from the exec to the first paint of the first window. Prints both medians and
// their ratio (goal: the game within 1.7 times the bare window).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

constexpr int kRuns = 20;

// Milliseconds from start to the marker line, or -1 when the program did not print it.
double timeToFirstPaint(const QString& program) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KQ_BENCH_FIRST_PAINT"), QStringLiteral("1"));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    double elapsed = -1;
    QByteArray out;
    while (process.waitForReadyRead(10000)) {
        out += process.readAllStandardOutput();
        if (out.contains("first-paint")) {
            elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            break;
        }
    }
    process.waitForFinished(10000);
    return elapsed;
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
    // Interleaved, so that a change in the machine's load touches both alike.
    for (int i = 0; i < kRuns; ++i) {
        const double g = timeToFirstPaint(QStringLiteral(KQ_GAME_EXECUTABLE));
        const double b = timeToFirstPaint(QStringLiteral(KQ_BARE_EXECUTABLE));
        if (g < 0 || b < 0) {
            out << "a program did not paint its first window\n";
            return 1;
        }
        game.push_back(g);
        bare.push_back(b);
    }
    const double gameMedian = median(game);
    const double bareMedian = median(bare);
    out << "start to first paint, median of " << kRuns << " runs (offscreen)\n";
    out << "  game (menu):       " << QString::number(gameMedian, 'f', 1) << " ms\n";
    out << "  bare label window: " << QString::number(bareMedian, 'f', 1) << " ms\n";
    out << "  ratio:             " << QString::number(gameMedian / bareMedian, 'f', 2)
        << " (goal <= 1.70)\n";
    return 0;
}
