#include "platform/system_clock.h"
#include "platform/system_random.h"
#include "screens/first_paint_marker.h"
#include "screens/message_box_reporter.h"
#include "screens/navigator.h"
#include "screens/screen_window.h"
#include "shell/content_paths.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Navigations hide one window before the next is shown; only a close box or the menu's end
    // button ends the program.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"),
                               {QStringLiteral("IPAexMincho"), QStringLiteral("IPAMincho")});

    SystemClock clock;
    SystemRandom random(clock);
    MessageBoxReporter reporter;
    Navigator navigator(content_paths::appPathFrom(QCoreApplication::applicationDirPath()), clock,
                        random, reporter);
    QObject::connect(&navigator, &Navigator::quitRequested, &app, &QCoreApplication::exit);
    if (FirstPaintMarker::requested())
        QObject::connect(&navigator, &Navigator::screenShown, &app,
                         [](ScreenWindow* screen) { FirstPaintMarker::watch(screen); });
    navigator.start();
    return app.exec();
}
