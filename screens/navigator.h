#pragma once

#include "round/clock.h"
#include "round/game_state.h"
#include "round/random_source.h"
#include "shell/error_path.h"
#include "shell/shared_state.h"

#include <QObject>
#include <memory>
#include <optional>

class ScreenWindow;

/// The screens of the game.
enum class Screen { Menu, HowToPlay, Careful, Speed };

/// Owns the state that outlives the screens (the shared state, the game state of each play
/// screen, the error path) and the one open screen. A screen change unloads the current screen
/// first and then builds and shows the next one.
class Navigator : public QObject {
    Q_OBJECT
public:
    Navigator(const QString& appPath, const Clock& clock, RandomSource& random,
              ErrorReporter& reporter, QObject* parent = nullptr);
    ~Navigator() override;

    /// Shows the menu, the first screen.
    void start();
    /// Asks for a screen change. It runs from the event loop, once the handler that asked has
    /// returned, so that no screen is destroyed while one of its handlers runs.
    void open(Screen screen);

    /// The screen that is open, or null.
    ScreenWindow* currentScreen() const { return m_current.get(); }
    /// Which screen that is.
    Screen currentKind() const { return m_currentKind; }
    const SharedState& shared() const { return m_shared; }
    const ErrorPath& errorPath() const { return m_errorPath; }

Q_SIGNALS:
    /// The program is to end with `exitCode`: the close box of the open screen, or the menu's
    /// end button.
    void quitRequested(int exitCode);
    /// A screen has been built and shown.
    void screenShown(ScreenWindow* screen);

private:
    void switchTo(Screen screen);
    std::unique_ptr<ScreenWindow> build(Screen screen);
    void connectScreen(ScreenWindow* screen, Screen kind);
    void closeAndQuit();

    const Clock& m_clock;
    RandomSource& m_random;
    ErrorPath m_errorPath;
    SharedState m_shared;
    GameState m_carefulState; // outlives the careful screen
    GameState m_speedState;   // outlives the speed screen
    std::unique_ptr<ScreenWindow> m_current;
    Screen m_currentKind = Screen::Menu;
    std::optional<Screen> m_pending;
    bool m_ending = false; // the end was asked for: no screen is built any more
};
