#include "play_screen_probe.h"
#include "screens/screen_window.h"
#include "shell/content_paths.h"
#include "tests/support/screen_rig.h"

using namespace screen_test;

namespace {

// Radical 5's lists: real characters 1 to 40, made-up ones 101 to 140.
constexpr int kLastO = 40;
const QStringList kAnswerClocks{"Timer3", "Timer4", "Timer5", "Timer6"};

} // namespace

// A whole speed game driven through the real screen: every tick is delivered by advancing the
// fake clock 100 ms and invoking each running QTimer's timeout, as the event loop would.
class TestSpeedScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void timeoutInvokedByNameReachesTheFlow();
    void countdownThenAWholeGameThenAnotherCountdown();

private:
    void openSpeed();
    /// One 100 ms step; also checks that at most one countdown or answer timer runs.
    void step();
    /// Steps until `done` holds; returns the steps taken, or -1 after `limit` steps.
    int stepUntil(const std::function<bool()>& done, int limit = 40);
    QWidget* screen() const { return m_rig->screen(); }
    QString sound(const char16_t* file) const {
        return content_paths::sound(m_rig->content.appPath(), QStringView(file));
    }

    std::unique_ptr<ScreenRig> m_rig;
};

void TestSpeedScreen::init() {
    m_rig = std::make_unique<ScreenRig>();
    QVERIFY(m_rig->content.isValid());
    m_rig->content.writeList(5, 'o', test_files::range(1, kLastO));
    m_rig->content.writeList(5, 'x', test_files::range(101, 40));
    m_rig->content.writeCharacterPictures(test_files::range(1, kLastO) +
                                          test_files::range(101, 40));
    m_rig->start();
}

void TestSpeedScreen::cleanup() {
    QVERIFY(m_rig->reporter.files.isEmpty());
    m_rig.reset();
}

void TestSpeedScreen::openSpeed() {
    click(screen(), QStringLiteral("Command1(4)"));
    click(screen(), QStringLiteral("Command4(0)"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Speed);
}

void TestSpeedScreen::step() {
    m_rig->clock.advance(0.1);
    tickRunningTimers(screen());
    int running = 0;
    for (const QString& name : kAnswerClocks)
        running += isRunning(screen(), name) ? 1 : 0;
    QVERIFY(running <= 1);
}

int TestSpeedScreen::stepUntil(const std::function<bool()>& done, int limit) {
    for (int i = 1; i <= limit; ++i) {
        step();
        if (done())
            return i;
    }
    return -1;
}

// The tests deliver ticks by invoking the signal by name; make sure that reaches the flow.
void TestSpeedScreen::timeoutInvokedByNameReachesTheFlow() {
    openSpeed();
    PlayScreenProbe probe(screen());
    QVERIFY(probe.running("Timer3"));
    m_rig->clock.advance(1.1);
    QVERIFY(
        QMetaObject::invokeMethod(control<QTimer>(screen(), QStringLiteral("Timer3")), "timeout"));
    QVERIFY(probe.running("Timer4"));
    QVERIFY(!probe.running("Timer3"));
}

void TestSpeedScreen::countdownThenAWholeGameThenAnotherCountdown() {
    openSpeed();
    PlayScreenProbe probe(screen());
    QCOMPARE(screen()->windowTitle(), QStringLiteral("きへん"));

    // Step 3: only the countdown picture in the black window, the first beep.
    QVERIFY(probe.shown("Image6"));
    QCOMPARE(probe.picture("Image6"), TestContent::namedColour(QStringLiteral("3.gif")));
    // The 50 x 60 picture is scaled to the whole of Image6, 138 x 88.
    QVERIFY(probe.fills("Image6", TestContent::namedColour(QStringLiteral("3.gif"))));
    QCOMPARE(probe.picture("Image2"), QRgb(0)); // no radical picture yet
    QVERIFY(!probe.shown("Image3") && !probe.shown("Image5"));
    QCOMPARE(probe.lastSound(), sound(u"pipi.wav"));
    QCOMPARE(probe.runningTimers(), QStringList{"Timer3"});

    // Started at 36000.0 (stored 36000): the step ends at the first tick past 36001.0.
    QCOMPARE(stepUntil([&] { return probe.running("Timer4"); }), 11);
    QCOMPARE(probe.picture("Image6"), TestContent::namedColour(QStringLiteral("2.gif")));
    QCOMPARE(probe.lastSound(), sound(u"pipi.wav"));
    // A press during the countdown counts for the first question.
    click(screen(), QStringLiteral("Command2(0)"));
    QCOMPARE(stepUntil([&] { return probe.running("Timer5"); }), 10);
    QCOMPARE(probe.picture("Image6"), TestContent::namedColour(QStringLiteral("1.gif")));
    QCOMPARE(probe.lastSound(), sound(u"pipipi.wav"));
    QCOMPARE(stepUntil([&] { return probe.running("Timer6"); }), 10);

    // Play: the countdown hides, the radical and the first question show, silently.
    QVERIFY(!probe.shown("Image6"));
    QVERIFY(probe.shown("Image2") && probe.shown("Image3"));
    QCOMPARE(probe.picture("Image2"), TestContent::radicalColour(5));
    QCOMPARE(probe.text("Label2"), QStringLiteral("1"));
    QCOMPARE(probe.lastSound(), sound(u"pipipi.wav"));

    int correct = 0;
    int wrong = 0;
    for (int q = 1; q <= 100; ++q) {
        const bool real = probe.character() <= kLastO;
        bool right = false;
        if (q == 1) {
            right = real; // the countdown press said "ある"
        } else if (q % 5 == 0) {
            right = false; // no press: judged wrong
        } else if (q % 5 == 1) {
            // The wrong button and then the right one: the last press counts.
            click(screen(), QStringLiteral("Command2(%1)").arg(real ? 1 : 0));
            click(screen(), QStringLiteral("Command2(%1)").arg(real ? 0 : 1));
            right = true;
        } else {
            click(screen(), QStringLiteral("Command2(%1)").arg(real ? 0 : 1));
            right = true;
        }
        // A press changes nothing on the screen until the judgement.
        QCOMPARE(probe.text("Label2"), QString::number(q));
        const int steps = stepUntil(
            [&] { return probe.text("Label2") != QString::number(q) || !probe.running("Timer6"); });
        // Every window lasts 1.5 s to 2.6 s; on ticks of whole tenths it is 15 to 26 steps.
        QVERIFY2(steps >= 15 && steps <= 26, qPrintable(QString::number(steps)));
        right ? ++correct : ++wrong;
        QCOMPARE(probe.lastSound(), sound(right ? u"o.wav" : u"x.wav"));
        QCOMPARE(probe.text("Label1"), QString::number(100 * correct / q));
        QVERIFY(probe.gaugeShows(correct, wrong));
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(correct, 80);

    // Ending: the answer clock stops, the end-of-game wait runs, presses do nothing.
    QCOMPARE(probe.runningTimers(), QStringList{"Timer2"});
    QCOMPARE(probe.text("Label2"), QStringLiteral("100"));
    click(screen(), QStringLiteral("Command2(1)"));
    QVERIFY(stepUntil([&] { return probe.shown("Image5"); }) > 0);
    QCOMPARE(probe.picture("Image5"), TestContent::namedColour(QStringLiteral("cmedal.gif")));
    QCOMPARE(probe.lastSound(), sound(u"goukaku.wav"));
    QVERIFY(probe.shown("Command3") && !probe.shown("Image4"));
    QVERIFY(!probe.shown("Image2") && !probe.shown("Image3"));
    QVERIFY(probe.runningTimers().isEmpty());
    QCOMPARE(probe.text("Label1"), QStringLiteral("80"));

    // Another game: labels and gauge cleared, the countdown again, the title kept.
    click(screen(), QStringLiteral("Command3"));
    QVERIFY(!probe.shown("Command3") && probe.shown("Image4") && !probe.shown("Image5"));
    QVERIFY(probe.text("Label1").isEmpty() && probe.text("Label2").isEmpty());
    QVERIFY(probe.gaugeShows(0, 0));
    QVERIFY(probe.shown("Image6"));
    QCOMPARE(probe.picture("Image6"), TestContent::namedColour(QStringLiteral("3.gif")));
    QCOMPARE(probe.runningTimers(), QStringList{"Timer3"});
    QCOMPARE(screen()->windowTitle(), QStringLiteral("きへん"));
}

QTEST_MAIN(TestSpeedScreen)
#include "test_speed_screen.moc"
