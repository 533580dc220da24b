#include "screens/accessible_roles.h"

#include <QAccessibleWidget>
#include <QLatin1StringView>
#include <QWidget>

namespace accessible_roles {

namespace {

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    // Asked for each class from the object's own up to QObject: only the exact class matches.
    if (className == QLatin1StringView("ImageControl") ||
        className == QLatin1StringView("GaugeBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1StringView("Announcer"))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace accessible_roles
