#include "screens/announcer.h"

#include "screens/accessible_roles.h"

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    accessible_roles::install();
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // One pixel in the corner that paints nothing.
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& message) {
    setAccessibleName(message);
    // Screen readers speak a notification when it starts showing, so it hides and shows again.
    hide();
    show();
}
