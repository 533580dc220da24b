// Timing of the speed screen with the real QTimers and the real clock (about three minutes,
// offscreen): ten speed games, each left after six answers, give 30 countdown steps and 60
// answer windows. Prints the spread of step and window lengths (steps must lie in 0.5..1.6 s,
// windows in 1.5..2.6 s) and the worst lateness of a timer tick.
#include "platform/system_clock.h"
#include "platform/system_random.h"
#include "screens/application_setup.h"
#include "screens/navigator.h"
#include "screens/screen_window.h"
#include "shell/content_error.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <map>
#include <vector>

namespace {

constexpr int kGames = 10;
constexpr int kAnswersPerGame = 6;

class PrintingReporter : public ErrorReporter {
public:
    void report(const ContentError& error) override {
        QTextStream(stderr) << error.message() << "\n";
        QCoreApplication::exit(1);
    }
};

void press(ScreenWindow* screen, const char* name) {
    if (auto* button = screen->findChild<QAbstractButton*>(QString::fromLatin1(name)))
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

void printSpread(const char* what, std::vector<double> values, double low, double high) {
    std::sort(values.begin(), values.end());
    const auto outside =
        std::count_if(values.begin(), values.end(), [&](double v) { return v < low || v > high; });
    QTextStream out(stdout);
    out << what << ": " << values.size() << " measured, min " << values.front() << " s, median "
        << values[values.size() / 2] << " s, max " << values.back() << " s; " << outside
        << " outside " << low << ".." << high << " s\n";
    out << "  all:";
    for (const double v : values)
        out << " " << QString::number(v, 'f', 3);
    out << "\n";
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication();
    SystemClock clock;
    SystemRandom random(clock);
    PrintingReporter reporter;
    Navigator navigator(QStringLiteral(KQ_RUNTIME_DIR), clock, random, reporter);
    QObject::connect(&navigator, &Navigator::quitRequested, &app, &QCoreApplication::exit);

    QElapsedTimer elapsed;
    elapsed.start();
    const auto now = [&] { return static_cast<double>(elapsed.nsecsElapsed()) / 1e9; };
    std::vector<double> steps;
    std::vector<double> windows;
    double worstLateness = 0;
    int games = 0;
    double phaseStart = 0;

    QObject::connect(&navigator, &Navigator::screenShown, &app, [&](ScreenWindow* screen) {
        if (navigator.currentKind() == Screen::Menu) {
            if (games == kGames) {
                QCoreApplication::quit();
                return;
            }
            press(screen, "Command1(0)");
            press(screen, "Command4(0)");
            return;
        }
        // The countdown's first step begins now: Activate comes right after the screen is shown.
        ++games;
        phaseStart = now();
        auto* label = screen->findChild<QLabel*>(QStringLiteral("Label2"));
        auto lastTick = std::make_shared<std::map<QTimer*, double>>();
        for (QTimer* timer : screen->findChildren<QTimer*>()) {
            // Connected after the screen's own handler, so each slot sees what the tick did.
            QObject::connect(timer, &QTimer::timeout, screen, [&, timer, label, lastTick, screen] {
                const double t = now();
                if (auto it = lastTick->find(timer); it != lastTick->end())
                    worstLateness = std::max(worstLateness, t - it->second - 0.1);
                (*lastTick)[timer] = t;
                const QString name = timer->objectName();
                if (name != QLatin1String("Timer6") && !timer->isActive() &&
                    name != QLatin1String("Timer1") && name != QLatin1String("Timer2")) {
                    steps.push_back(t - phaseStart); // a countdown step has ended
                    phaseStart = t;
                    lastTick->erase(timer);
                } else if (name == QLatin1String("Timer6") &&
                           label->text() != label->property("seen").toString()) {
                    windows.push_back(t - phaseStart); // a question has been judged
                    phaseStart = t;
                    label->setProperty("seen", label->text());
                    if (label->text().toInt() > kAnswersPerGame)
                        press(screen, "Command1");
                }
            });
        }
        label->setProperty("seen", QStringLiteral("1"));
    });

    navigator.start();
    const int code = app.exec();
    if (steps.empty() || windows.empty())
        return code == 0 ? 1 : code;
    printSpread("countdown steps", steps, 0.5, 1.6);
    printSpread("answer windows", windows, 1.5, 2.6);
    QTextStream(stdout) << "worst tick lateness: " << worstLateness * 1000.0 << " ms\n";
    return code;
}
