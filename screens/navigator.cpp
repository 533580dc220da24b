#include "screens/navigator.h"

#include "screens/careful_screen.h"
#include "screens/how_to_play_screen.h"
#include "screens/menu_screen.h"
#include "screens/speed_screen.h"

Navigator::Navigator(const QString& appPath, const Clock& clock, RandomSource& random,
                     ErrorReporter& reporter, QObject* parent)
    : QObject(parent), m_clock(clock), m_random(random), m_errorPath(reporter) {
    m_shared.appPath = appPath;
}

Navigator::~Navigator() = default;

void Navigator::start() {
    switchTo(Screen::Menu);
}

void Navigator::open(Screen screen) {
    if (m_pending)
        return; // a change is already on its way; a second click must not open two screens
    m_pending = screen;
    // Nothing of the old screen acts between the request and the change.
    if (m_current)
        m_current->unload();
    QMetaObject::invokeMethod(
        this,
        [this] {
            const Screen next = *m_pending;
            m_pending.reset();
            switchTo(next);
        },
        Qt::QueuedConnection);
}

void Navigator::switchTo(Screen screen) {
    // While the program ends (a content fault, the close box, the end button), no screen is
    // built any more, not even one asked for just before.
    if (m_errorPath.failed() || m_ending)
        return;
    if (m_current) {
        m_current->unload();
        m_current->hide();
        m_current.reset();
    }
    m_current = build(screen);
    m_currentKind = screen;
    connectScreen(m_current.get(), screen);
    m_current->load();
    if (m_errorPath.failed())
        return; // a half-loaded screen is never shown
    m_current->show();
    if (screen == Screen::Speed)
        static_cast<SpeedScreen*>(m_current.get())->activate();
    Q_EMIT screenShown(m_current.get());
}

std::unique_ptr<ScreenWindow> Navigator::build(Screen screen) {
    switch (screen) {
    case Screen::Menu:
        return std::make_unique<MenuScreen>(m_shared, m_errorPath);
    case Screen::HowToPlay:
        return std::make_unique<HowToPlayScreen>(m_shared.appPath, m_errorPath);
    case Screen::Careful:
        return std::make_unique<CarefulScreen>(m_shared, m_carefulState, m_random, m_clock,
                                               m_errorPath);
    case Screen::Speed:
        return std::make_unique<SpeedScreen>(m_shared, m_speedState, m_random, m_clock,
                                             m_errorPath);
    }
    return nullptr;
}

void Navigator::connectScreen(ScreenWindow* screen, Screen kind) {
    connect(screen, &ScreenWindow::closedByUser, this, &Navigator::closeAndQuit);
    switch (kind) {
    case Screen::Menu: {
        auto* menu = static_cast<MenuScreen*>(screen);
        connect(menu, &MenuScreen::modeChosen, this,
                [this](int index) { open(index == 0 ? Screen::Speed : Screen::Careful); });
        connect(menu, &MenuScreen::howToPlayChosen, this, [this] { open(Screen::HowToPlay); });
        connect(menu, &MenuScreen::endChosen, this, [this] {
            if (m_current)
                m_current->unload();
            m_ending = true;
            Q_EMIT quitRequested(0);
        });
        break;
    }
    case Screen::HowToPlay:
        connect(static_cast<HowToPlayScreen*>(screen), &HowToPlayScreen::menuRequested, this,
                [this] { open(Screen::Menu); });
        break;
    case Screen::Careful:
    case Screen::Speed:
        connect(static_cast<PlayScreen*>(screen), &PlayScreen::menuRequested, this,
                [this] { open(Screen::Menu); });
        break;
    }
}

void Navigator::closeAndQuit() {
    // The window is closed already and its timers are stopped; it is destroyed with the
    // navigator.
    m_ending = true;
    Q_EMIT quitRequested(0);
}
