#include "screens/screen_window.h"

#include <QCloseEvent>

ScreenWindow::ScreenWindow(ErrorPath& errorPath, QWidget* parent)
    : QWidget(parent), m_errorPath(errorPath) {}

void ScreenWindow::load() {
    guarded([this] { onLoad(); });
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
    Q_EMIT closedByUser();
}
