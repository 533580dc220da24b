#include "play_sequence.h"

#include "tests/support/gauge_reader.h"
#include "tests/support/timer_ticks.h"

#include "screens/gauge_box.h"
#include "screens/image_control.h"
#include "screens/screen_window.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

constexpr int kWindow = 30;
constexpr int kQuestions = 100;

} // namespace

PlaySequence::PlaySequence(const QString& appPath, bool speed, std::uint64_t seed,
                           SequenceStats& stats)
    : m_speed(speed), m_seed(seed), m_choices(seed * 0x9E3779B97F4A7C15ULL + 7), m_stats(stats),
      m_random(seed), m_navigator(appPath, m_clock, m_random, m_reporter) {}

double PlaySequence::uniform() {
    m_choices = m_choices * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(m_choices >> 11) * (1.0 / 9007199254740992.0);
}

QString PlaySequence::run() {
    ++m_stats.sequences;
    m_navigator.start();
    QCoreApplication::processEvents();
    m_log << QStringLiteral("open");
    if (!enterScreen(5))
        return QStringLiteral("seed %1: the play screen did not open").arg(m_seed);
    QString fault = check(nullptr);
    // Each sequence has a style of its own: how often the player answers, how finely time
    // moves and how often the player leaves; long enough that many reach the rating.
    m_pressShare = m_speed ? 0.1 + 0.2 * uniform() : 0.4 + 0.5 * uniform();
    m_smallTickShare = uniform() < 0.5 ? 0.1 : 0.6;
    m_reopenShare = uniform() < 0.6 ? 0.002 : 0.03;
    const int events = 30 + static_cast<int>(uniform() * (m_speed ? 500 : 400));
    for (int i = 0; i < events && fault.isEmpty(); ++i) {
        const Event event = choose();
        m_log << describe(event);
        ++m_stats.events;
        if (!apply(event)) {
            fault = QStringLiteral("the event could not be delivered");
            break;
        }
        fault = check(&event);
    }
    if (fault.isEmpty())
        return {};
    return QStringLiteral("%1 screen, seed %2 (replay: KQ_SEED=%2), after %3 events: %4\n"
                          "events: %5")
        .arg(m_speed ? "speed" : "careful")
        .arg(m_seed)
        .arg(m_log.size() - 1)
        .arg(fault, m_log.join(QStringLiteral(", ")));
}

PlaySequence::Event PlaySequence::choose() {
    const double r = uniform();
    if (command3Shown() && r < 0.3)
        return {Kind::Another};
    const double p = uniform();
    const int button = uniform() < 0.5 ? 0 : 1;
    if (p < m_pressShare)
        return {Kind::Press, button};
    if (p < 1.0 - m_reopenShare - 0.01) {
        const double q = uniform();
        double seconds = 0.1;
        if (q < 0.05)
            seconds = 0.0;
        else if (q < 0.05 + m_smallTickShare)
            seconds = 0.05 * (1 + static_cast<int>(uniform() * 4));
        else if (q < 0.97)
            seconds = 0.5 + uniform() * 2.2;
        else if (q < 0.99)
            seconds = 3.0 + uniform() * 57.0;
        else
            seconds = uniform() * 7200.0;
        return {Kind::Tick, 0, seconds};
    }
    if (p < 1.0 - m_reopenShare)
        return {Kind::Midnight, 0, uniform()};
    return {Kind::Reopen, uniform() < 0.7 ? 5 : 2, uniform()};
}

QString PlaySequence::describe(const Event& event) const {
    switch (event.kind) {
    case Kind::Press:
        return QStringLiteral("press %1").arg(event.button);
    case Kind::Tick:
        return QStringLiteral("tick +%1s").arg(event.seconds, 0, 'f', 3);
    case Kind::Midnight:
        return QStringLiteral("clock jump at %1").arg(m_clock.secondsSinceMidnight(), 0, 'f', 3);
    case Kind::Another:
        return QStringLiteral("another game");
    case Kind::Reopen:
        return QStringLiteral("menu, radical %1%2")
            .arg(event.button)
            .arg(event.seconds < 0.1 ? QStringLiteral(" via how-to-play") : QString());
    }
    return {};
}

bool PlaySequence::apply(const Event& event) {
    switch (event.kind) {
    case Kind::Press:
        return click(QStringLiteral("Command2(%1)").arg(event.button));
    case Kind::Tick:
        m_clock.advance(event.seconds);
        deliverTicks();
        return true;
    case Kind::Midnight:
        // The last second of the day, then the first of the next: a wait that spans midnight
        // must still end.
        m_clock.set(m_clock.secondsSinceMidnight() >= 86399.0 ? event.seconds
                                                              : 86399.0 + event.seconds);
        deliverTicks();
        return true;
    case Kind::Another:
        if (!click(QStringLiteral("Command3")))
            return false;
        startGame();
        return true;
    case Kind::Reopen: {
        if (!click(QStringLiteral("Command1")))
            return false;
        QCoreApplication::processEvents();
        if (m_navigator.currentKind() != Screen::Menu)
            return false;
        if (event.seconds < 0.1) {
            if (!click(QStringLiteral("Command2")))
                return false;
            QCoreApplication::processEvents();
            if (m_navigator.currentKind() != Screen::HowToPlay ||
                !click(QStringLiteral("Command1")))
                return false;
            QCoreApplication::processEvents();
        }
        return enterScreen(event.button);
    }
    }
    return false;
}

bool PlaySequence::enterScreen(int radical) {
    if (!click(QStringLiteral("Command1(%1)").arg(radical - 1)) ||
        !click(QStringLiteral("Command4(%1)").arg(m_speed ? 0 : 1)))
        return false;
    QCoreApplication::processEvents();
    if (m_navigator.currentKind() != (m_speed ? Screen::Speed : Screen::Careful))
        return false;
    startGame();
    return true;
}

bool PlaySequence::click(const QString& name) {
    QWidget* screen = m_navigator.currentScreen();
    auto* button = screen ? screen->findChild<QAbstractButton*>(name) : nullptr;
    if (!button || !button->isVisible())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

void PlaySequence::deliverTicks() {
    // As the event loop would after the time has passed: each running timer ticks once.
    tickRunningTimers(m_navigator.currentScreen());
}

bool PlaySequence::command3Shown() const {
    const QWidget* screen = m_navigator.currentScreen();
    const auto* button =
        screen ? screen->findChild<QAbstractButton*>(QStringLiteral("Command3")) : nullptr;
    return button && button->isVisible() && m_navigator.currentKind() != Screen::Menu;
}

void PlaySequence::startGame() {
    // Counts and flags 1..219 start again; the window, flag 0 and the pending answer carry over.
    for (int c = 1; c < 220; ++c)
        m_flags[static_cast<std::size_t>(c)] = false;
    ++m_gamesStarted;
    m_gameCharacters.clear();
    m_drawn = 0;
    m_correct = 0;
    m_wrong = 0;
    m_current = -1;
    m_rated = false;
}

QString PlaySequence::look(Seen& seen) {
    const QWidget* screen = m_navigator.currentScreen();
    seen.playScreen =
        m_navigator.currentKind() == Screen::Careful || m_navigator.currentKind() == Screen::Speed;
    if (!seen.playScreen)
        return QStringLiteral("not on the play screen");
    const QString label2 = screen->findChild<QLabel*>(QStringLiteral("Label2"))->text();
    bool number = true;
    seen.label2 = label2.isEmpty() ? 0 : label2.toInt(&number);
    if (!number)
        return QStringLiteral("Label2 shows \"%1\"").arg(label2);
    seen.label1 = screen->findChild<QLabel*>(QStringLiteral("Label1"))->text();
    const QString gaugeFault = readGauge(
        screen->findChild<GaugeBox*>(QStringLiteral("Picture1"))->image(), seen.green, seen.red);
    if (!gaugeFault.isEmpty())
        return QStringLiteral("gauge: ") + gaugeFault;
    const auto* image3 = screen->findChild<ImageControl*>(QStringLiteral("Image3"));
    seen.image3 = image3->isVisible();
    if (!image3->image().isNull()) {
        // Every character picture is one colour: red = the number, green = 255 - the number.
        const QRgb colour = image3->image().pixel(0, 0);
        seen.character = qGreen(colour) == 255 - qRed(colour) ? qRed(colour) : -2;
    }
    seen.command3 = command3Shown();
    seen.image4 = screen->findChild<QWidget*>(QStringLiteral("Image4"))->isVisible();
    for (const char* name : {"Timer3", "Timer4", "Timer5", "Timer6"}) {
        const auto* timer = screen->findChild<QTimer*>(QString::fromLatin1(name));
        seen.answerClocks += timer && timer->isActive() ? 1 : 0;
    }
    return {};
}

QString PlaySequence::check(const Event* event) {
    if (!m_reporter.files.isEmpty())
        return QStringLiteral("a content fault was reported: %1 %2")
            .arg(m_reporter.files.first(), m_reporter.faults.first());
    Seen seen;
    if (QString fault = look(seen); !fault.isEmpty())
        return fault;
    const bool wasOver = m_correct + m_wrong == kQuestions;

    // A judgement: one more painted cell, of the colour the rules give.
    const int judged = seen.green + seen.red;
    const int newlyJudged = judged - (m_correct + m_wrong);
    const bool press = event && event->kind == Kind::Press;
    if (newlyJudged < 0 || newlyJudged > 1)
        return QStringLiteral("the gauge went from %1 to %2 painted cells")
            .arg(m_correct + m_wrong)
            .arg(judged);
    if (newlyJudged == 1) {
        bool right = false;
        if (!m_speed) {
            if (!press || wasOver || m_current < 0)
                return QStringLiteral("a cell was painted without an answer to judge");
            right = (event->button == 0) == isReal(m_current);
        } else {
            if (!event || event->kind == Kind::Press || event->kind == Kind::Another ||
                m_current < 0)
                return QStringLiteral("a question was judged outside the answer clock");
            right = m_pending == (isReal(m_current) ? 1 : 2);
            m_pending = 0;
        }
        (right ? m_correct : m_wrong) += 1;
        ++m_stats.judgements;
        if (seen.green != m_correct || seen.red != m_wrong)
            return QStringLiteral(
                       "the gauge shows %1 right and %2 wrong, the answers give %3 and %4")
                .arg(seen.green)
                .arg(seen.red)
                .arg(m_correct)
                .arg(m_wrong);
    } else if (press && !m_speed && !wasOver) {
        return QStringLiteral("a press on a waiting question was not judged");
    }
    if (press && m_speed && !wasOver)
        m_pending = event->button + 1;

    // A draw: one more question, not inside the no-repeat window.
    if (seen.label2 == m_drawn + 1) {
        if (!seen.image3 || seen.character < 0)
            return QStringLiteral("question %1 is counted but no character shows").arg(seen.label2);
        if (QString fault = drawn(seen.character); !fault.isEmpty())
            return fault;
    } else if (seen.label2 != m_drawn) {
        return QStringLiteral("Label2 shows %1 after %2 questions").arg(seen.label2).arg(m_drawn);
    }

    // The invariants of every moment.
    const bool over = judged == kQuestions;
    const bool waiting = seen.image3 && !over;
    m_stats.checks += 7;
    if (seen.label2 != judged + (waiting ? 1 : 0))
        return QStringLiteral("question %1 with %2 right and %3 wrong%4")
            .arg(seen.label2)
            .arg(seen.green)
            .arg(seen.red)
            .arg(waiting ? QStringLiteral(" and one waiting") : QString());
    if (judged > kQuestions || seen.label2 > kQuestions)
        return QStringLiteral("more than 100 questions");
    if (seen.command3 == seen.image4)
        return QStringLiteral("Command3 shown %1, Image4 shown %2")
            .arg(seen.command3)
            .arg(seen.image4);
    if (seen.answerClocks > 1)
        return QStringLiteral("%1 of Timer3 to Timer6 run").arg(seen.answerClocks);
    const QString score = judged == 0 ? QString() : QString::number(100 * seen.green / judged);
    if (seen.label1 != score)
        return QStringLiteral("Label1 shows \"%1\" for %2 right of %3")
            .arg(seen.label1)
            .arg(seen.green)
            .arg(judged);
    if (seen.command3 && !over)
        return QStringLiteral("another game offered before the hundredth judgement");
    if (seen.command3 && !m_rated) {
        m_rated = true;
        ++m_stats.ratings;
    }
    return {};
}

QString PlaySequence::drawn(int character) {
    ++m_stats.draws;
    m_stats.checks += 2;
    if (m_flags[static_cast<std::size_t>(character)]) {
        QStringList window;
        for (int c : m_window)
            window << QString::number(c);
        return QStringLiteral("character %1 came back inside the no-repeat window (%2)")
            .arg(character)
            .arg(window.join(QLatin1Char(' ')));
    }
    const qsizetype recent = std::min<qsizetype>(kWindow, m_gameCharacters.size());
    if (m_gamesStarted == 1 &&
        m_gameCharacters.sliced(m_gameCharacters.size() - recent).contains(character))
        return QStringLiteral("character %1 came back within 30 questions of the first game")
            .arg(character);
    if (static_cast<int>(m_window.size()) == kWindow) {
        m_flags[static_cast<std::size_t>(m_window.front())] = false;
        m_window.pop_front();
    }
    m_flags[static_cast<std::size_t>(character)] = true;
    m_window.push_back(character);
    m_gameCharacters << character;
    m_current = character;
    ++m_drawn;
    return {};
}
