// Runs the real game (navigator, screens, message-box reporter, event loop) on a content folder
// with a fake clock, and plays a script of player actions on it. Every message box is read out
// on stdout and answered, as a player would press its button. The exit code is the program's:
// 1 after a content fault, 0 after the menu's end button; 2 when a step of the script could not
// be taken without a fault, which points at a fault of the screens themselves.
//
//   reliability_game_driver <AppPath> "<step>; <step>; ..." [seed]
//
// Steps: radical N | careful | speed | howto | play RIGHT | another | back | end | probe ImageN

#include "screens/application_setup.h"
#include "screens/image_control.h"
#include "screens/message_box_reporter.h"
#include "screens/navigator.h"
#include "screens/screen_window.h"
#include "tests/reliability/game_runner.h"
#include "tests/support/fake_clock.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

void say(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// Answers every message box as soon as it shows, after writing its text out.
class MessageBoxAnswerer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                say(QStringLiteral("message: ") +
                    box->text().replace(QLatin1Char('\n'), QStringLiteral(" | ")));
                QTimer::singleShot(0, box, [box] { box->accept(); });
            }
        }
        return false;
    }
};

// "probe ImageN": what the control shows, and whether its picture covers the whole control.
void probe(QWidget* screen, const QString& name) {
    auto* image = screen ? screen->findChild<ImageControl*>(name) : nullptr;
    if (!image) {
        say(QStringLiteral("probe %1 missing").arg(name));
        return;
    }
    const QImage drawn = image->grab().toImage();
    const QImage picture = image->image();
    bool covers = !picture.isNull() && !drawn.isNull();
    if (covers) {
        const QRgb colour = picture.pixel(0, 0);
        const int r = drawn.width() - 1;
        const int b = drawn.height() - 1;
        for (const QPoint& p : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
            covers = covers && drawn.pixel(p) == colour;
    }
    say(QStringLiteral("probe %1 visible=%2 picture=%3x%4 control=%5x%6 covers=%7")
            .arg(name)
            .arg(image->isVisible() ? 1 : 0)
            .arg(picture.width())
            .arg(picture.height())
            .arg(image->width())
            .arg(image->height())
            .arg(covers ? 1 : 0));
}

// Runs one step; false when it could not be taken.
bool runStep(GameRunner& runner, Navigator& navigator, const QString& step) {
    const QStringList words = step.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString verb = words.value(0);
    const int number = words.value(1).toInt();
    if (verb == QLatin1String("radical")) {
        if (!runner.click(QStringLiteral("Command1(%1)").arg(number - 1)))
            return false;
        const auto* frame = runner.screen()->findChild<QGroupBox*>(QStringLiteral("Frame1"));
        say(QStringLiteral("modes %1").arg(frame && frame->isVisible() ? "shown" : "hidden"));
        return true;
    }
    if (verb == QLatin1String("careful") || verb == QLatin1String("speed")) {
        const bool ok = runner.click(
            QStringLiteral("Command4(%1)").arg(verb == QLatin1String("speed") ? 0 : 1));
        runner.settle();
        return ok;
    }
    if (verb == QLatin1String("howto")) {
        const bool ok = runner.click(QStringLiteral("Command2"));
        runner.settle();
        if (ok && !runner.failed() && navigator.currentKind() == Screen::HowToPlay) {
            const auto* list = runner.screen()->findChild<QListWidget*>(QStringLiteral("List1"));
            say(QStringLiteral("lines %1").arg(list ? list->count() : -1));
        }
        return ok;
    }
    if (verb == QLatin1String("play"))
        return runner.playGame(number);
    if (verb == QLatin1String("another"))
        return runner.anotherGame();
    if (verb == QLatin1String("back"))
        return runner.backToMenu();
    if (verb == QLatin1String("end"))
        return runner.click(QStringLiteral("Command3"));
    if (verb == QLatin1String("probe")) {
        probe(runner.screen(), words.value(1));
        return true;
    }
    say(QStringLiteral("unknown step: %1").arg(step));
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        say(QStringLiteral("usage: reliability_game_driver <AppPath> \"<steps>\" [seed]"));
        return 64;
    }
    MessageBoxAnswerer answerer;
    app.installEventFilter(&answerer);

    FakeClock clock(36000.0);
    ScriptedRandom random(args.value(3, QStringLiteral("1")).toULongLong());
    MessageBoxReporter reporter;
    Navigator navigator(args[1], clock, random, reporter);
    QObject::connect(&navigator, &Navigator::quitRequested, &app, &QCoreApplication::exit);
    GameRunner runner(navigator, clock, random);

    const QStringList steps = args[2].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QTimer::singleShot(0, &app, [&] {
        navigator.start();
        for (const QString& raw : steps) {
            const QString step = raw.trimmed();
            const bool ok = runStep(runner, navigator, step);
            // After a content fault the reporter has already asked the event loop to end.
            if (runner.failed())
                return;
            if (!ok) {
                say(QStringLiteral("step failed: %1").arg(step));
                QCoreApplication::exit(2);
                return;
            }
        }
        // A script must end the program itself; one that does not would leave it running.
        if (steps.isEmpty() || steps.last().trimmed() != QLatin1String("end")) {
            say(QStringLiteral("script did not end the program"));
            QCoreApplication::exit(3);
        }
    });
    return app.exec();
}
