#include "game_runner.h"

#include "screens/navigator.h"
#include "screens/screen_window.h"
#include "tests/support/fake_clock.h"
#include "tests/support/timer_ticks.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <algorithm>

namespace {

// Bounds on every loop: far more steps than a working screen ever needs.
constexpr int kMaxWaitTicks = 40;
constexpr double kTickSeconds = 0.5;

} // namespace

GameRunner::GameRunner(Navigator& navigator, FakeClock& clock, ScriptedRandom& random)
    : m_navigator(navigator), m_clock(clock), m_random(random) {}

QWidget* GameRunner::screen() const {
    return m_navigator.currentScreen();
}

bool GameRunner::failed() const {
    return m_navigator.errorPath().failed();
}

bool GameRunner::click(const QString& name) {
    if (!screen() || failed())
        return false;
    auto* button = screen()->findChild<QAbstractButton*>(name);
    if (!button || !button->isVisible())
        return false;
    button->click();
    return !failed();
}

void GameRunner::settle() {
    QCoreApplication::processEvents();
}

void GameRunner::tick(double seconds) {
    m_clock.advance(seconds);
    if (!screen())
        return;
    tickRunningTimers(screen());
}

bool GameRunner::open(int radical, int mode) {
    if (!click(QStringLiteral("Command1(%1)").arg(radical - 1)))
        return false;
    if (!click(QStringLiteral("Command4(%1)").arg(mode)))
        return false;
    settle();
    const Screen expected = mode == 0 ? Screen::Speed : Screen::Careful;
    return !failed() && m_navigator.currentKind() == expected;
}

bool GameRunner::playGame(int right) {
    if (failed() || !screen())
        return false;
    const bool ok =
        m_navigator.currentKind() == Screen::Speed ? playSpeed(right) : playCareful(right);
    return ok && waitForRating();
}

bool GameRunner::playCareful(int right) {
    for (int q = 1; q <= 100; ++q) {
        if (text(QStringLiteral("Label2")) != QString::number(q))
            return false;
        const int button = q <= right ? m_random.rightButton() : 1 - m_random.rightButton();
        if (!click(QStringLiteral("Command2(%1)").arg(button)))
            return false;
    }
    return true;
}

bool GameRunner::playSpeed(int right) {
    const auto answerClockRuns = [this] {
        auto* timer = screen()->findChild<QTimer*>(QStringLiteral("Timer6"));
        return timer && timer->isActive();
    };
    for (int i = 0; i < kMaxWaitTicks && !answerClockRuns(); ++i) {
        tick(kTickSeconds);
        if (failed())
            return false;
    }
    for (int q = 1; q <= 100; ++q) {
        if (!answerClockRuns() || text(QStringLiteral("Label2")) != QString::number(q))
            return false;
        const int button = q <= right ? m_random.rightButton() : 1 - m_random.rightButton();
        if (!click(QStringLiteral("Command2(%1)").arg(button)))
            return false;
        int ticks = 0;
        while (answerClockRuns() && text(QStringLiteral("Label2")) == QString::number(q)) {
            if (++ticks > kMaxWaitTicks)
                return false;
            tick(kTickSeconds);
            if (failed())
                return false;
        }
    }
    return true;
}

bool GameRunner::waitForRating() {
    for (int i = 0; i < kMaxWaitTicks && !shown(QStringLiteral("Command3")); ++i) {
        tick(kTickSeconds);
        if (failed())
            return false;
    }
    if (!shown(QStringLiteral("Command3")))
        return false;
    // After a crow the fail sound follows about a second later.
    for (int i = 0; i < 4; ++i)
        tick(kTickSeconds);
    return !failed();
}

bool GameRunner::backToMenu() {
    if (!click(QStringLiteral("Command1")))
        return false;
    settle();
    return !failed() && m_navigator.currentKind() == Screen::Menu;
}

bool GameRunner::anotherGame() {
    return click(QStringLiteral("Command3"));
}

bool GameRunner::shown(const QString& name) const {
    const QWidget* widget = screen() ? screen()->findChild<QWidget*>(name) : nullptr;
    return widget && widget->isVisible();
}

QString GameRunner::text(const QString& name) const {
    const auto* label = screen() ? screen()->findChild<QLabel*>(name) : nullptr;
    return label ? label->text() : QString();
}
