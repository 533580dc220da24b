#include "platform/audio_output.h"
#include "platform/system_clock.h"
#include "platform/system_random.h"
#include "screens/after_first_paint.h"
#include "screens/application_setup.h"
#include "screens/first_paint_marker.h"
#include "screens/message_box_reporter.h"
#include "screens/navigator.h"
#include "screens/screen_window.h"
#include "shell/content_paths.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication();

    SystemClock clock;
    SystemRandom random(clock);
    MessageBoxReporter reporter;
    Navigator navigator(content_paths::appPathOfProgram(), clock, random, reporter);
    QObject::connect(&navigator, &Navigator::quitRequested, &app, &QCoreApplication::exit);
    if (FirstPaintMarker::requested())
        QObject::connect(&navigator, &Navigator::screenShown, &app,
                         [](ScreenWindow* screen) { FirstPaintMarker::watch(screen); });
    navigator.start();
    // The sound output opens on a worker thread once the menu is on screen, ready by the time a
    // play screen opens: neither the menu's first picture nor the menu waits for the server.
    AfterFirstPaint::call(navigator.currentScreen(), [] { audio_output::startOpening(); });
    return app.exec();
}
