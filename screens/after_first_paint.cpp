#include "screens/after_first_paint.h"

#include <QEvent>
#include <QWidget>

AfterFirstPaint::AfterFirstPaint(QObject* parent, std::function<void()> then)
    : QObject(parent), m_then(std::move(then)) {}

void AfterFirstPaint::call(QWidget* widget, std::function<void()> then) {
    widget->installEventFilter(new AfterFirstPaint(widget, std::move(then)));
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && m_then) {
        // After the paint itself, from the event loop.
        QMetaObject::invokeMethod(parent(), std::exchange(m_then, {}), Qt::QueuedConnection);
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}
