#pragma once

#include <QObject>

/// For the start-up benchmark: prints a marker line on the first paint of the watched widget and
/// then ends the program.
class FirstPaintMarker : public QObject {
    Q_OBJECT
public:
    /// Whether the benchmark asked for the marker (KQ_BENCH_FIRST_PAINT=1).
    static bool requested();
    /// Watches `widget` (the marker is owned by it).
    static void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    bool m_done = false;
};
