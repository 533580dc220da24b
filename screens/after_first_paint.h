#pragma once

#include <QObject>
#include <functional>

/// Runs a function once a widget has been painted for the first time: work that must not delay
/// the first picture the player sees.
class AfterFirstPaint : public QObject {
    Q_OBJECT
public:
    /// Calls `then` from the event loop after the first paint of `widget` (never, if it is
    /// destroyed before).
    static void call(QWidget* widget, std::function<void()> then);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AfterFirstPaint(QObject* parent, std::function<void()> then);
    std::function<void()> m_then;
};
