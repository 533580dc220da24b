#include "screens/screen_window.h"

#include "facts/font_faces.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QShortcut>
#include <QToolTip>

namespace {

// Clicks a button the way the player could: only while it is seen and usable.
void pressIfUsable(QAbstractButton* button) {
    if (button && button->isVisible() && button->isEnabled())
        button->click();
}

} // namespace

ScreenWindow::ScreenWindow(ErrorPath& errorPath, QWidget* parent)
    : QWidget(parent), m_errorPath(errorPath) {
    // Hover texts are Japanese (radical names, the review of a game): a Japanese face, not
    // whatever the default font falls back to.
    QToolTip::setFont(QFont(font_faces::kScreenFace.toString(), 10));
}

void ScreenWindow::load() {
    guarded([this] { onLoad(); });
}

void ScreenWindow::bindKey(const QKeySequence& key, QAbstractButton* button) {
    // A window shortcut takes the key before the focused button sees it, so the arrows answer
    // instead of moving the focus, and one press acts exactly once.
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, button, [button] { pressIfUsable(button); });
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
    Q_EMIT closedByUser();
}

void ScreenWindow::keyPressEvent(QKeyEvent* event) {
    // Buttons outside dialogs take Space but not Return or Enter; those reach the window.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            pressIfUsable(qobject_cast<QAbstractButton*>(focusWidget()));
        return;
    }
    QWidget::keyPressEvent(event);
}
