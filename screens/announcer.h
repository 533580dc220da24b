#pragma once

#include <QWidget>

/// Says something to assistive technology without taking the focus: a notification that
/// screen readers speak when it shows, wherever the focus is. It draws nothing and takes no
/// input; each message is its accessible name, and it shows anew for every message.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    /// Speaks `message`: it becomes the name, and the announcer shows again.
    void announce(const QString& message);
};
