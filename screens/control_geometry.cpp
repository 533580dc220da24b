#include "screens/control_geometry.h"

#include "screens/window_icon.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace screen_geometry {

void placeControls(QWidget* window, std::span<const twips::Control> table) {
    // Raising from the back of the table to the front leaves the first entry frontmost.
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        auto* widget = window->findChild<QWidget*>(QString::fromUtf8(it->name));
        Q_ASSERT_X(widget, "placeControls", it->name);
        if (!widget)
            continue;
        widget->setGeometry(it->pixels().toQRect());
        widget->raise();
    }
}

void setTabOrder(QWidget* window, const QStringList& namesInTabOrder) {
    QWidget* previous = nullptr;
    for (const QString& name : namesInTabOrder) {
        auto* widget = window->findChild<QWidget*>(name);
        Q_ASSERT(widget);
        if (!widget)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widget);
        else
            widget->setFocus(Qt::OtherFocusReason);
        previous = widget;
    }
}

void setUpWindow(QWidget* window, const QString& title, int clientWidthTwips, int clientHeightTwips,
                 const QColor& colour) {
    window->setWindowTitle(title);
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window_icon::set(window);
    const QSize client(twips::toPixels(clientWidthTwips), twips::toPixels(clientHeightTwips));
    window->setFixedSize(client);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, colour);
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client,
                                                screen->availableGeometry()));
}

QString arrayElementName(const char* arrayName, int index) {
    return QStringLiteral("%1(%2)").arg(QString::fromUtf8(arrayName)).arg(index);
}

} // namespace screen_geometry
