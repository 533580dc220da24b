#pragma once

#include "shell/error_path.h"

#include <QWidget>

class QAbstractButton;
class QKeySequence;

/// What the four screens have in common: every handler runs through the error path, the load
/// handler runs when the navigator has built the screen, and the close box is reported so that
/// the navigator can end the program (a navigation unloads screens without closing them).
class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    explicit ScreenWindow(ErrorPath& errorPath, QWidget* parent = nullptr);

    /// The screen's load handler, run once the screen is built and before it is shown.
    void load();
    /// Called by the navigator before it destroys the screen: stops whatever would still act.
    virtual void unload() {}

Q_SIGNALS:
    /// The player closed the window with its close box.
    void closedByUser();

protected:
    /// Runs one event handler through the error path, then lets the screen catch up with it.
    template <class Handler> void guarded(Handler&& handler) {
        m_errorPath.run(std::forward<Handler>(handler));
        if (!m_errorPath.failed())
            handled();
    }
    /// The screen's own load handling (already guarded).
    virtual void onLoad() {}
    /// Runs after every handler that ended without a fault: the screen brings what it shows of
    /// the state that outlives it up to date.
    virtual void handled() {}

    /// Makes `key` a way to press `button`: it clicks the button, so it does exactly what the
    /// click does, and nothing while the button is hidden or disabled. A held key presses once.
    void bindKey(const QKeySequence& key, QAbstractButton* button);

    void closeEvent(QCloseEvent* event) override;
    /// Return and Enter press the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    ErrorPath& m_errorPath;
};
