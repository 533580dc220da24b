#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

// Keys pressed as the player presses them: delivered to the widget that has the keyboard focus
// in the window (a button, the list), so the window's shortcuts must take them from there.
namespace key_press {

/// Where a key pressed on `window` arrives.
inline QWidget* target(QWidget* window) {
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QWidget* focused = window->focusWidget();
    return focused ? focused : window;
}

/// One press and release of `key`.
inline void click(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(target(window), key, modifiers);
}

/// A key held down: the first press, then `repeats` auto-repeated presses, then the release.
inline void hold(QWidget* window, Qt::Key key, int repeats) {
    QWidget* to = target(window);
    QTest::keyPress(to, key);
    for (int i = 0; i < repeats; ++i) {
        // What QTest does for a press, with the auto-repeat flag that it cannot set itself.
        if (qt_sendShortcutOverrideEvent(to, 0, key, Qt::NoModifier, QString(), true))
            continue;
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(to, &repeat);
    }
    QTest::keyRelease(to, key);
}

} // namespace key_press
