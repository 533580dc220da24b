#include "screens/first_paint_marker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>

bool FirstPaintMarker::requested() {
    return qEnvironmentVariableIntValue("KQ_BENCH_FIRST_PAINT") == 1;
}

void FirstPaintMarker::watch(QWidget* widget) {
    widget->installEventFilter(new FirstPaintMarker(widget));
}

bool FirstPaintMarker::eventFilter(QObject* watched, QEvent* event) {
    if (!m_done && event->type() == QEvent::Paint) {
        m_done = true;
        std::fputs("first-paint\n", stdout);
        std::fflush(stdout);
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
