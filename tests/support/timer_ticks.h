#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QTimer>
#include <algorithm>

/// Delivers one tick to every timer under `window` that runs, in the order of their names, as
/// the event loop would after 100 ms; the caller moves the fake clock first. A timer stopped by
/// an earlier tick of the same round does not tick.
inline void tickRunningTimers(const QObject* window) {
    QList<QTimer*> running;
    for (QTimer* timer : window->findChildren<QTimer*>())
        if (timer->isActive())
            running << timer;
    std::sort(running.begin(), running.end(),
              [](QTimer* a, QTimer* b) { return a->objectName() < b->objectName(); });
    for (QTimer* timer : running)
        if (timer->isActive())
            QMetaObject::invokeMethod(timer, "timeout");
}
