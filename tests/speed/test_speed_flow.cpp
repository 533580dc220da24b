#include "speed/speed_flow.h"
#include "tests/support/play_rig.h"
#include "tests/support/tick_driver.h"

#include <QtTest>

// The speed screen's flow: the 3-2-1 countdown, the answer clock judging the pending answer,
// the end of a game and another game, on a recording view with a fake clock.
class TestSpeedFlow : public QObject {
    Q_OBJECT

private:
    static int countdownAndPlayTimersRunning(const RecordingView& view) {
        int running = 0;
        for (PlayTimer timer : {PlayTimer::FirstCountdownStep, PlayTimer::SecondCountdownStep,
                                PlayTimer::LastCountdownStep, PlayTimer::AnswerClock})
            running += view.isRunning(timer) ? 1 : 0;
        return running;
    }

    // Runs the countdown by hand so that play starts exactly at `playStart` hundredths: each
    // step's tick comes 1.7 s after the last, always past its limit.
    static void startPlayAt(PlayRig& rig, SpeedFlow& flow, long long playStart) {
        rig.clock.set((playStart - 510) / 100.0);
        flow.activate();
        const PlayTimer steps[] = {PlayTimer::FirstCountdownStep, PlayTimer::SecondCountdownStep,
                                   PlayTimer::LastCountdownStep};
        for (int i = 0; i < 3; ++i) {
            rig.clock.set((playStart - 340 + 170 * i) / 100.0);
            flow.tick(steps[i]);
            QVERIFY(!rig.view.isRunning(steps[i]));
        }
        QVERIFY(rig.view.isRunning(PlayTimer::AnswerClock));
    }

    static int judged(const PlayRig& rig) { return rig.state.correctCount + rig.state.wrongCount; }

private Q_SLOTS:
    void loadSetsOnlyTheTitle() {
        PlayRig rig;
        rig.state.questionCount = 37;
        SpeedFlow flow(rig.ports());
        flow.load();
        QCOMPARE(rig.view.calls, QStringList{QStringLiteral("text Title=てへん")});
        QCOMPARE(rig.state.questionCount, std::int16_t(37));
        rig.shared.radicalNo = 9;
        rig.view.clearCalls();
        flow.load();
        QVERIFY(rig.view.calls.isEmpty());
    }

    // The countdown: 3, 2, 1 with their beeps, then the radical and the first question shown
    // silently and the answer clock started; Image6 is the only picture meanwhile.
    void countdownSequence() {
        PlayRig rig;
        rig.scriptDraw(false, 2);
        SpeedFlow flow(rig.ports());
        flow.load();
        rig.view.clearCalls();
        flow.activate();
        TickDriver<SpeedFlow> driver(rig, flow);
        driver.afterTick = [&rig] {
            QVERIFY(countdownAndPlayTimersRunning(rig.view) <= 1);
            if (!rig.view.isRunning(PlayTimer::AnswerClock)) {
                QVERIFY(rig.view.isShown(PlayControl::CountdownPicture));
                QVERIFY(!rig.view.isShown(PlayControl::CharacterPicture));
                QVERIFY(rig.view.picture(PlayControl::RadicalPicture).isEmpty());
            }
        };
        QVERIFY(driver.runUntil([&] { return rig.view.isRunning(PlayTimer::AnswerClock); }) > 0);
        const QString pipi = QStringLiteral("sound ") + rig.sound(u"pipi.wav");
        QCOMPARE(rig.view.calls,
                 QStringList({QStringLiteral("shown Image6=1"),
                              QStringLiteral("picture Image6=") + rig.picture(u"3.gif"),
                              pipi,
                              QStringLiteral("timer Timer3=1"),
                              QStringLiteral("timer Timer3=0"),
                              QStringLiteral("picture Image6=") + rig.picture(u"2.gif"),
                              pipi,
                              QStringLiteral("timer Timer4=1"),
                              QStringLiteral("timer Timer4=0"),
                              QStringLiteral("picture Image6=") + rig.picture(u"1.gif"),
                              QStringLiteral("sound ") + rig.sound(u"pipipi.wav"),
                              QStringLiteral("timer Timer5=1"),
                              QStringLiteral("timer Timer5=0"),
                              QStringLiteral("shown Image6=0"),
                              QStringLiteral("picture Image2=") + rig.picture(u"h3.gif"),
                              QStringLiteral("shown Image2=1"),
                              QStringLiteral("text Label2=1"),
                              QStringLiteral("picture Image3=") + rig.characterPicture(102),
                              QStringLiteral("shown Image3=1"),
                              QStringLiteral("timer Timer6=1")}));
    }

    // A step started at s stores s to the nearest second and ends at the first tick more than
    // 1.0 s past it: 100.4 ends after 101.0, 100.6 after 102.0; also across midnight, and also
    // when the time of day steps by an hour 0.3 s into the step (daylight saving).
    void countdownStepWindow_data() {
        QTest::addColumn<int>("startHundredths");
        QTest::addColumn<double>("clockStep");
        QTest::addColumn<int>("expectedHundredths");
        QTest::newRow("100.4 ends after 101.0") << 10040 << 0.0 << 70;
        QTest::newRow("100.6 ends after 102.0") << 10060 << 0.0 << 150;
        QTest::newRow("100.5 to even 100") << 10050 << 0.0 << 60;
        QTest::newRow("101.5 to even 102") << 10150 << 0.0 << 160;
        QTest::newRow("100.45 off the tenths") << 10045 << 0.0 << 60;
        QTest::newRow("86399.7 over midnight") << 8639970 << 0.0 << 140;
        QTest::newRow("36000.4 set an hour on") << 3600040 << 3600.0 << 70;
        QTest::newRow("36000.6 set an hour back") << 3600060 << -3600.0 << 150;
    }
    void countdownStepWindow() {
        QFETCH(int, startHundredths);
        QFETCH(double, clockStep);
        QFETCH(int, expectedHundredths);
        PlayRig rig;
        SpeedFlow flow(rig.ports());
        rig.clock.set(startHundredths / 100.0);
        flow.activate();
        TickDriver<SpeedFlow> driver(rig, flow);
        driver.run(3);
        rig.clock.step(clockStep);
        const int ticks =
            driver.runUntil([&] { return rig.view.isRunning(PlayTimer::SecondCountdownStep); });
        QCOMPARE((3 + ticks) * 10, expectedHundredths);
    }

    // The answer time runs from the start of play to the first tick at least 2.0 s past its
    // whole-second start: 1.5 s to 2.6 s; a step of the time of day 0.3 s in changes nothing.
    void answerWindow_data() {
        QTest::addColumn<int>("playStart");
        QTest::addColumn<double>("clockStep");
        QTest::addColumn<int>("expectedHundredths");
        QTest::newRow("100.4 stored 100") << 10040 << 0.0 << 160;
        QTest::newRow("100.6 stored 101") << 10060 << 0.0 << 240;
        QTest::newRow("100.5 to even 100") << 10050 << 0.0 << 150;
        QTest::newRow("101.5 to even 102") << 10150 << 0.0 << 250;
        QTest::newRow("100.55 off the tenths") << 10055 << 0.0 << 250;
        QTest::newRow("86399.4 over midnight") << 8639940 << 0.0 << 160;
        QTest::newRow("36000.4 set an hour on") << 3600040 << 3600.0 << 160;
        QTest::newRow("36000.6 set an hour back") << 3600060 << -3600.0 << 240;
    }
    void answerWindow() {
        QFETCH(int, playStart);
        QFETCH(double, clockStep);
        QFETCH(int, expectedHundredths);
        PlayRig rig;
        SpeedFlow flow(rig.ports());
        startPlayAt(rig, flow, playStart);
        TickDriver<SpeedFlow> driver(rig, flow);
        driver.run(3);
        rig.clock.step(clockStep);
        const int ticks = driver.runUntil([&] { return judged(rig) == 1; });
        QCOMPARE((3 + ticks) * 10, expectedHundredths);
        QCOMPARE(rig.view.text(PlayText::QuestionNumber), QStringLiteral("2"));
        QVERIFY(rig.view.isRunning(PlayTimer::AnswerClock));
    }

    // Only the last press before the judgement counts; none is wrong; a press is silent.
    void pendingAnswerJudged_data() {
        QTest::addColumn<QList<int>>("presses");
        QTest::addColumn<bool>("right");
        QTest::newRow("none is wrong") << QList<int>{} << false;
        QTest::newRow("O") << QList<int>{0} << true;
        QTest::newRow("X") << QList<int>{1} << false;
        QTest::newRow("O then X counts as X") << QList<int>{0, 1} << false;
        QTest::newRow("X then O counts as O") << QList<int>{1, 0} << true;
        QTest::newRow("O twice counts once") << QList<int>{0, 0} << true;
    }
    void pendingAnswerJudged() {
        QFETCH(QList<int>, presses);
        QFETCH(bool, right);
        PlayRig rig;
        rig.scriptDraw(true, 5); // the first question is an O question
        SpeedFlow flow(rig.ports());
        startPlayAt(rig, flow, 10000);
        rig.view.clearCalls();
        for (int index : presses)
            flow.pressAnswer(index);
        QVERIFY(rig.view.calls.isEmpty());
        TickDriver<SpeedFlow> driver(rig, flow);
        QVERIFY(driver.runUntil([&] { return judged(rig) == 1; }) > 0);
        QCOMPARE(int(rig.state.correctCount), right ? 1 : 0);
        QCOMPARE(rig.view.sounds.first(), rig.sound(right ? u"o.wav" : u"x.wav"));
        QCOMPARE(rig.view.cell(right ? 100 : 1),
                 std::optional<GaugeFill>(right ? GaugeFill::Right : GaugeFill::Wrong));
        QCOMPARE(rig.view.text(PlayText::Score),
                 right ? QStringLiteral("100") : QStringLiteral("0"));
        QCOMPARE(rig.state.pendingAnswer, Answer::None);
        QCOMPARE(rig.state.records[0].answer,
                 presses.isEmpty() ? Answer::None : answerOfButton(presses.last()));
    }

    // A press during the countdown is the answer to the first question.
    void countdownPressAnswersFirstQuestion() {
        PlayRig rig;
        rig.scriptDraw(false, 7); // an X question
        SpeedFlow flow(rig.ports());
        flow.activate();
        TickDriver<SpeedFlow> driver(rig, flow);
        driver.runUntil([&] { return rig.view.isRunning(PlayTimer::SecondCountdownStep); });
        flow.pressAnswer(1);
        driver.runUntil([&] { return judged(rig) == 1; });
        QCOMPARE(rig.state.correctCount, std::int16_t(1));
    }

    // A game is 100 judgements about two seconds apart whatever the player does; the 100th
    // stops the answer clock and starts the end-of-game wait; presses then do nothing.
    void wholeGame_data() {
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("startHundredths");
        QTest::newRow("never presses") << 0 << 3600037;
        QTest::newRow("always O") << 1 << 3600050;
        QTest::newRow("always right") << 2 << 3600061;
        QTest::newRow("mashes both at every tick") << 3 << 8630013;
    }
    void wholeGame() {
        QFETCH(int, player);
        QFETCH(int, startHundredths);
        PlayRig rig;
        rig.clock.set(startHundredths / 100.0);
        SpeedFlow flow(rig.ports());
        flow.load();
        flow.activate();
        TickDriver<SpeedFlow> driver(rig, flow);
        double lastEvent = rig.clock.secondsSinceMidnight();
        int lastJudged = 0;
        PlayTimer stage = PlayTimer::FirstCountdownStep;
        QList<double> steps;
        QList<double> windows;
        driver.afterTick = [&] {
            QVERIFY(countdownAndPlayTimersRunning(rig.view) <= 1);
            const double now = rig.clock.secondsSinceMidnight();
            double length = now - lastEvent;
            if (length < 0)
                length += kSecondsPerDay;
            // Each change of the running countdown timer ends a step; Timer6 starts play.
            for (PlayTimer next : {PlayTimer::SecondCountdownStep, PlayTimer::LastCountdownStep,
                                   PlayTimer::AnswerClock}) {
                if (int(next) == int(stage) + 1 && rig.view.isRunning(next)) {
                    steps << length;
                    lastEvent = now;
                    stage = next;
                }
            }
            if (judged(rig) != lastJudged) {
                windows << length;
                lastEvent = now;
                lastJudged = judged(rig);
            }
            if (player == 3) {
                flow.pressAnswer(0);
                flow.pressAnswer(1);
            }
        };
        const int ticks = driver.runUntil([&] {
            if (player == 1)
                flow.pressAnswer(0);
            if (player == 2 && rig.state.questionCount > judged(rig))
                flow.pressAnswer(int(rig.state.currentKind) - 1);
            return rig.state.gameOver;
        });
        QVERIFY(ticks > 0);
        QCOMPARE(judged(rig), kQuestionsPerGame);
        QCOMPARE(rig.view.text(PlayText::QuestionNumber), QStringLiteral("100"));
        if (player == 2)
            QCOMPARE(rig.view.text(PlayText::Score), QStringLiteral("100"));
        QCOMPARE(steps.size(), 3);
        for (double step : steps)
            QVERIFY2(step > 0.5 && step <= 1.6 + 1e-9, qPrintable(QString::number(step)));
        QCOMPARE(windows.size(), kQuestionsPerGame);
        for (double window : windows)
            QVERIFY2(window >= 1.5 - 1e-9 && window <= 2.6 + 1e-9,
                     qPrintable(QString::number(window)));
        const QStringList& calls = rig.view.calls;
        QCOMPARE(calls.mid(calls.size() - 2),
                 QStringList({QStringLiteral("timer Timer6=0"), QStringLiteral("timer Timer2=1")}));

        rig.view.clearCalls();
        flow.pressAnswer(0);
        flow.pressAnswer(1);
        QCOMPARE(rig.state.pendingAnswer, Answer::None);
        QVERIFY(driver.runUntil([&] { return rig.view.isShown(PlayControl::AnotherGameButton); }) >
                0);
        QVERIFY(!rig.view.isShown(PlayControl::ModeBanner));
    }

    // Another game clears labels and gauge, cancels the pending fail sound and runs the
    // countdown again without setting the title; the labels stay empty until play starts.
    void anotherGameRerunsCountdown() {
        PlayRig rig;
        SpeedFlow flow(rig.ports());
        flow.load();
        flow.activate();
        TickDriver<SpeedFlow> driver(rig, flow);
        QVERIFY(driver.runUntil([&] { return rig.view.isRunning(PlayTimer::FailSoundWait); }) > 0);
        QCOMPARE(rig.view.picture(PlayControl::RatingPicture), rig.picture(u"karasu.gif"));
        rig.view.clearCalls();
        flow.anotherGame();
        QCOMPARE(rig.view.calls,
                 QStringList({QStringLiteral("timer Timer1=0"), QStringLiteral("shown Command3=0"),
                              QStringLiteral("shown Image5=0"), QStringLiteral("shown Image4=1"),
                              QStringLiteral("text Label1="), QStringLiteral("text Label2="),
                              QStringLiteral("gauge ") + rig.picture(u"waku.gif"),
                              QStringLiteral("shown Image6=1"),
                              QStringLiteral("picture Image6=") + rig.picture(u"3.gif"),
                              QStringLiteral("sound ") + rig.sound(u"pipi.wav"),
                              QStringLiteral("timer Timer3=1")}));
        QCOMPARE(rig.state.questionCount, std::int16_t(0));
        QVERIFY(!rig.state.gameOver);
        driver.afterTick = [&rig] {
            if (!rig.view.isRunning(PlayTimer::AnswerClock)) {
                QCOMPARE(rig.view.text(PlayText::Score), QString());
                QCOMPARE(rig.view.text(PlayText::QuestionNumber), QString());
            }
        };
        QVERIFY(driver.runUntil([&] { return rig.view.isRunning(PlayTimer::AnswerClock); }) > 0);
        QCOMPARE(rig.view.text(PlayText::QuestionNumber), QStringLiteral("1"));
        QVERIFY(!rig.view.sounds.contains(rig.sound(u"dame.wav")));
        QVERIFY(!rig.view.calls.join('\n').contains(QStringLiteral("Title")));
    }

    // The pending answer outlives the screen: a press just before leaving for the menu answers
    // the first question of the next game on a new screen.
    void pendingAnswerSurvivesUnload() {
        PlayRig rig;
        {
            SpeedFlow flow(rig.ports());
            startPlayAt(rig, flow, 20000);
            flow.pressAnswer(1);
        }
        rig.rebuildView();
        rig.scriptDraw(false, 4);
        SpeedFlow flow(rig.ports());
        flow.load();
        flow.activate();
        TickDriver<SpeedFlow> driver(rig, flow);
        QVERIFY(driver.runUntil([&] { return judged(rig) == 1; }) > 0);
        QCOMPARE(rig.state.correctCount, std::int16_t(1));
    }

    // Guards: a tick of a timer that is not running moving the countdown or judging.
    void strayTicksDoNothing() {
        PlayRig rig;
        SpeedFlow flow(rig.ports());
        flow.activate();
        rig.view.clearCalls();
        rig.clock.advance(30.0);
        for (PlayTimer timer :
             {PlayTimer::FailSoundWait, PlayTimer::EndOfGameWait, PlayTimer::SecondCountdownStep,
              PlayTimer::LastCountdownStep, PlayTimer::AnswerClock})
            flow.tick(timer);
        QVERIFY(rig.view.calls.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSpeedFlow)
#include "test_speed_flow.moc"
