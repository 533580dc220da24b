#pragma once

#include "screens/image_control.h"
#include "tests/support/timer_ticks.h"

#include <QAbstractButton>
#include <QImage>
#include <QMetaObject>
#include <QTest>
#include <QTimer>
#include <QWidget>

// Small helpers shared by the screen tests: find a control by its name, click it as the player
// would, and deliver a timer's tick by hand.
namespace screen_test {

/// The control named `name` (of type T) under `window`. When there is none the test fails
/// there, naming the control: every caller uses the control at once, so the test cannot go on.
template <class T = QWidget> T* control(const QObject* window, const QString& name) {
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("%s has no control %s of the type asked for", qPrintable(window->objectName()),
               qPrintable(name));
    return found;
}

/// Clicks the button named `name` with the left mouse button, in its middle.
inline void click(const QObject* window, const QString& name) {
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

/// The timer named `name` runs as the game starts its waits: active, every 100 ms.
inline bool isRunning(const QObject* window, const QString& name) {
    auto* timer = control<QTimer>(window, name);
    return timer->isActive() && timer->interval() == 100;
}

using ::tickRunningTimers;

/// The colour at (x, y) of the picture that the image control `name` holds; 0 without one.
inline QRgb pictureColour(const QObject* window, const QString& name, int x = 0, int y = 0) {
    const QImage picture = control<ImageControl>(window, name)->image();
    return picture.isNull() ? 0 : picture.pixel(x, y);
}

/// Index of `widget` in its parent's stacking order: a higher index is further in front.
inline qsizetype stackIndex(const QWidget* widget) {
    return widget->parentWidget()->children().indexOf(const_cast<QWidget*>(widget));
}

} // namespace screen_test
