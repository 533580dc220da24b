#include "round/gauge_cells.h"
#include "round/round_engine.h"
#include "shell/content_error.h"
#include "tests/support/play_rig.h"

#include <QtTest>

Q_DECLARE_METATYPE(PlayTimer)

// Judging, score, gauge, the end-of-game and fail-sound waits, rating and the common steps of
// another game, on the round engine with a recording view.
class TestRoundEngine : public QObject {
    Q_OBJECT

private:
    static Answer wrongAnswer(const PlayRig& rig) {
        return rig.state.currentKind == Answer::O ? Answer::X : Answer::O;
    }

    // Plays a whole game on the engine: question q is answered right when `rightAt(q)`.
    template <class RightAt>
    static void playGame(PlayRig& rig, RoundEngine& engine, RightAt rightAt) {
        engine.startGame();
        engine.drawQuestion();
        for (int q = 1; q <= kQuestionsPerGame; ++q) {
            rig.state.pendingAnswer = rightAt(q) ? rig.state.currentKind : wrongAnswer(rig);
            engine.judgePending();
            if (engine.lastQuestionJudged())
                engine.endGame();
            else
                engine.drawQuestion();
        }
    }

private Q_SLOTS:
    // Guards: a floating-point score (57 for 29 of 50), rounding instead of dropping the fraction.
    void score_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("expected");
        QTest::newRow("1 of 1") << 1 << 1 << 100;
        QTest::newRow("0 of 1") << 0 << 1 << 0;
        QTest::newRow("1 of 3") << 1 << 3 << 33;
        QTest::newRow("2 of 3") << 2 << 3 << 66;
        QTest::newRow("29 of 50") << 29 << 50 << 58;
        QTest::newRow("29 of 100") << 29 << 100 << 29;
        QTest::newRow("57 of 100") << 57 << 100 << 57;
        QTest::newRow("58 of 100") << 58 << 100 << 58;
        QTest::newRow("74 of 100") << 74 << 100 << 74;
        QTest::newRow("99 of 100") << 99 << 100 << 99;
        QTest::newRow("100 of 100") << 100 << 100 << 100;
    }
    void score() {
        QFETCH(int, correct);
        QFETCH(int, questions);
        QFETCH(int, expected);
        QCOMPARE(int(RoundEngine::scoreOf(correct, questions)), expected);
    }

    // Guards: thresholds off by one, medals swapped, the crow without its fail-sound wait.
    void rating_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<bool>("failSoundPending");
        const QString pass = QStringLiteral("goukaku.wav");
        QTest::newRow("0 crow") << 0 << "karasu.gif"
                                << "karasu.wav" << true;
        QTest::newRow("74 crow") << 74 << "karasu.gif"
                                 << "karasu.wav" << true;
        QTest::newRow("75 copper") << 75 << "cmedal.gif" << pass << false;
        QTest::newRow("84 copper") << 84 << "cmedal.gif" << pass << false;
        QTest::newRow("85 silver") << 85 << "smedal.gif" << pass << false;
        QTest::newRow("94 silver") << 94 << "smedal.gif" << pass << false;
        QTest::newRow("95 gold") << 95 << "gmedal.gif" << pass << false;
        QTest::newRow("100 gold") << 100 << "gmedal.gif" << pass << false;
    }
    void rating() {
        QFETCH(int, score);
        QFETCH(QString, picture);
        QFETCH(QString, sound);
        QFETCH(bool, failSoundPending);
        PlayRig rig;
        RoundEngine engine(rig.ports());
        rig.state.score = static_cast<std::int16_t>(score);
        engine.endGame();
        QVERIFY(rig.state.gameOver);
        rig.view.clearCalls();
        rig.clock.advance(1.0);
        engine.tickGameEndTimer(PlayTimer::EndOfGameWait);
        const QString picturePath = content_paths::picture(rig.shared.appPath, picture);
        QStringList expected = {
            QStringLiteral("timer Timer2=0"),
            QStringLiteral("shown Image2=0"),
            QStringLiteral("shown Image3=0"),
            QStringLiteral("picture Image5=") + picturePath,
            QStringLiteral("shown Image5=1"),
            QStringLiteral("sound ") + content_paths::sound(rig.shared.appPath, sound),
        };
        if (failSoundPending)
            expected << QStringLiteral("timer Timer1=1");
        expected << QStringLiteral("shown Image4=0") << QStringLiteral("shown Command3=1");
        QCOMPARE(rig.view.calls, expected);

        // Only the crow is followed by the fail sound, a second later.
        rig.view.clearCalls();
        rig.clock.advance(1.0);
        engine.tickGameEndTimer(PlayTimer::FailSoundWait);
        engine.tickGameEndTimer(PlayTimer::EndOfGameWait);
        const QStringList afterwards =
            failSoundPending ? QStringList{QStringLiteral("timer Timer1=0"),
                                           QStringLiteral("sound ") + rig.sound(u"dame.wav")}
                             : QStringList{};
        QCOMPARE(rig.view.calls, afterwards);
    }

    // A wait started at clock s stores s to the nearest second (a half to the even second) and
    // ends at the first tick at least 1.0 s past that: 0.5 s to 1.5 s, also across midnight,
    // and also when the time of day steps by an hour 0.3 s into the wait (daylight saving).
    void oneSecondWaits_data() {
        QTest::addColumn<PlayTimer>("timer");
        QTest::addColumn<int>("startHundredths");
        QTest::addColumn<double>("clockStep");
        QTest::addColumn<int>("expectedHundredths");
        for (PlayTimer timer : {PlayTimer::FailSoundWait, PlayTimer::EndOfGameWait}) {
            const QByteArray name = timer == PlayTimer::FailSoundWait ? "Timer1 " : "Timer2 ";
            QTest::newRow(name + "100.4 stored 100") << timer << 10040 << 0.0 << 60;
            QTest::newRow(name + "100.6 stored 101") << timer << 10060 << 0.0 << 140;
            QTest::newRow(name + "100.5 to even 100") << timer << 10050 << 0.0 << 50;
            QTest::newRow(name + "101.5 to even 102") << timer << 10150 << 0.0 << 150;
            QTest::newRow(name + "100.45 off the tenths") << timer << 10045 << 0.0 << 60;
            QTest::newRow(name + "86399.7 over midnight") << timer << 8639970 << 0.0 << 130;
            QTest::newRow(name + "86399.2 ends at midnight") << timer << 8639920 << 0.0 << 80;
            QTest::newRow(name + "36000.4 set an hour on") << timer << 3600040 << 3600.0 << 60;
            QTest::newRow(name + "36000.6 set an hour back") << timer << 3600060 << -3600.0 << 140;
            QTest::newRow(name + "100.4 set back over midnight") << timer << 10040 << -3600.0 << 60;
            QTest::newRow(name + "86399.7 set on over midnight")
                << timer << 8639970 << 3600.0 << 130;
        }
    }
    void oneSecondWaits() {
        QFETCH(PlayTimer, timer);
        QFETCH(int, startHundredths);
        QFETCH(double, clockStep);
        QFETCH(int, expectedHundredths);
        PlayRig rig;
        RoundEngine engine(rig.ports());
        rig.state.score = 100;
        rig.clock.set(startHundredths / 100.0);
        engine.startTimedWait(timer);
        int elapsed = 0;
        while (engine.isRunning(timer) && elapsed < 1000) {
            elapsed += 10;
            if (elapsed == 30)
                rig.clock.step(clockStep);
            rig.clock.set((startHundredths + elapsed) / 100.0);
            if (timer == PlayTimer::FailSoundWait)
                engine.tickGameEndTimer(PlayTimer::FailSoundWait);
            else
                engine.tickGameEndTimer(PlayTimer::EndOfGameWait);
        }
        QCOMPARE(elapsed, expectedHundredths);
        QVERIFY(!rig.view.isRunning(timer));
        QCOMPARE(rig.view.sounds.size(), 1);
    }

    // Guards: a tick of a timer that is not running acting all the same.
    void strayTicksDoNothing() {
        PlayRig rig;
        RoundEngine engine(rig.ports());
        rig.clock.advance(500.0);
        engine.tickGameEndTimer(PlayTimer::EndOfGameWait);
        engine.tickGameEndTimer(PlayTimer::FailSoundWait);
        QVERIFY(rig.view.calls.isEmpty());
    }

    // Another game cancels a fail sound still pending from the last game's crow.
    void anotherGameSteps_data() {
        QTest::addColumn<bool>("failSoundPending");
        QTest::newRow("fail sound pending") << true;
        QTest::newRow("nothing pending") << false;
    }
    void anotherGameSteps() {
        QFETCH(bool, failSoundPending);
        PlayRig rig;
        RoundEngine engine(rig.ports());
        if (failSoundPending)
            engine.startTimedWait(PlayTimer::FailSoundWait);
        rig.view.clearCalls();
        engine.prepareAnotherGame();
        QStringList expected;
        if (failSoundPending)
            expected << QStringLiteral("timer Timer1=0");
        expected << QStringLiteral("shown Command3=0") << QStringLiteral("shown Image5=0")
                 << QStringLiteral("shown Image4=1") << QStringLiteral("text Label1=")
                 << QStringLiteral("text Label2=")
                 << QStringLiteral("gauge ") + rig.picture(u"waku.gif");
        QCOMPARE(rig.view.calls, expected);
        rig.clock.advance(5.0);
        engine.tickGameEndTimer(PlayTimer::FailSoundWait);
        QVERIFY(rig.view.sounds.isEmpty());
    }

    // Guards: seeds off by a row (a cell painted twice or a white line hit), right and wrong
    // cells mixed up; and the cell-to-question map that a review of the game relies on.
    void gaugeAndRecords_data() {
        QTest::addColumn<int>("rightEvery");
        QTest::addColumn<int>("rightCount");
        QTest::newRow("70 right, 30 wrong") << 10 << 70;
        QTest::newRow("all right") << 0 << 100;
        QTest::newRow("all wrong") << -1 << 0;
        QTest::newRow("alternating") << 2 << 50;
    }
    void gaugeAndRecords() {
        QFETCH(int, rightEvery);
        QFETCH(int, rightCount);
        const auto rightAt = [rightEvery](int q) {
            if (rightEvery == 0)
                return true;
            if (rightEvery < 0)
                return false;
            return rightEvery == 10 ? (q % 10) < 7 : q % 2 == 1;
        };
        PlayRig rig;
        RoundEngine engine(rig.ports());
        playGame(rig, engine, rightAt);
        QCOMPARE(int(rig.state.correctCount), rightCount);
        QCOMPARE(rig.view.text(PlayText::Score), QString::number(rightCount));
        QCOMPARE(rig.view.strayFills, 0);
        QCOMPARE(rig.view.repaintedCells, 0);
        const auto cellQuestions = gaugeCellQuestions(rig.state);
        for (int k = 1; k <= gauge::kCells; ++k) {
            const GaugeFill expected =
                k > gauge::kCells - rightCount ? GaugeFill::Right : GaugeFill::Wrong;
            QCOMPARE(rig.view.cell(k), std::optional<GaugeFill>(expected));
            const int question = cellQuestions[k - 1];
            QVERIFY(question >= 1 && question <= kQuestionsPerGame);
            QCOMPARE(rig.state.records[question - 1].right, expected == GaugeFill::Right);
        }
        // The first right answer paints the bottom cell, the first wrong one the top cell.
        for (int q = 1; q <= kQuestionsPerGame; ++q) {
            const QuestionRecord& record = rig.state.records[q - 1];
            QCOMPARE(int(record.question), q);
            QCOMPARE(record.right, rightAt(q));
            QCOMPARE(record.right, record.answer == record.kind);
        }
        if (rightCount > 0)
            QCOMPARE(int(cellQuestions[gauge::kCells - 1]), rightEvery == -1 ? 0 : 1);
    }

    // Mid-game the map leaves the cells not yet painted empty.
    void gaugeMapOfGameInProgress() {
        PlayRig rig;
        RoundEngine engine(rig.ports());
        engine.startGame();
        const bool answers[] = {true, false, true, true, false};
        for (bool right : answers) {
            engine.drawQuestion();
            rig.state.pendingAnswer = right ? rig.state.currentKind : wrongAnswer(rig);
            engine.judgePending();
        }
        std::array<std::int16_t, gauge::kCells> expected{};
        expected[0] = 2;
        expected[1] = 5;
        expected[99] = 1;
        expected[98] = 3;
        expected[97] = 4;
        QVERIFY(gaugeCellQuestions(rig.state) == expected);
        QCOMPARE(rig.view.text(PlayText::Score), QStringLiteral("60"));
    }

    // A missing rating picture goes to the error path, not swallowed by the engine.
    void missingPictureIsNotCaught() {
        PlayRig rig;
        RoundEngine engine(rig.ports());
        rig.view.missing.insert(rig.picture(u"karasu.gif"));
        rig.state.score = 10;
        engine.endGame();
        rig.clock.advance(2.0);
        QVERIFY_THROWS_EXCEPTION(ContentError, engine.tickGameEndTimer(PlayTimer::EndOfGameWait));
    }
};

QTEST_GUILESS_MAIN(TestRoundEngine)
#include "test_round_engine.moc"
