// The baseline of the start-up benchmark: a bare Qt window that shows one label. With
// KQ_BENCH_FIRST_PAINT=1 it prints a marker on its first paint and ends, as the game does.
#include "screens/first_paint_marker.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("漢字"));
    label.resize(320, 200);
    if (FirstPaintMarker::requested())
        FirstPaintMarker::watch(&label);
    label.show();
    return app.exec();
}
