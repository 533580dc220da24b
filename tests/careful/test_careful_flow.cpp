#include "careful/careful_flow.h"
#include "tests/support/play_rig.h"
#include "tests/support/tick_driver.h"

#include <QtTest>

// The careful screen's flow: load, judging on the press, the end of a game, rating and another
// game, on a recording view with a fake clock.
class TestCarefulFlow : public QObject {
    Q_OBJECT

private:
    static void answer(PlayRig& rig, CarefulFlow& flow, bool right) {
        const int rightButton = rig.state.currentKind == Answer::O ? 0 : 1;
        flow.pressAnswer(right ? rightButton : 1 - rightButton);
    }

    // Command3 and Image4 stand in nearly the same place: never both visible.
    static void checkBannerOrButton(const RecordingView& view) {
        QVERIFY(!(view.isShown(PlayControl::AnotherGameButton) &&
                  view.isShown(PlayControl::ModeBanner)));
    }

    // Plays a whole game with `correct` right answers (the first ones), checking after each.
    static void playGame(PlayRig& rig, CarefulFlow& flow, int correct) {
        for (int q = 1; q <= kQuestionsPerGame; ++q) {
            QCOMPARE(rig.view.text(PlayText::QuestionNumber), QString::number(q));
            answer(rig, flow, q <= correct);
            checkBannerOrButton(rig.view);
        }
    }

private Q_SLOTS:
    // Load: title from the radical (others leave it), the radical picture by its last digit,
    // the first question; Label1 stays empty and no timer runs.
    void loadStartsGame_data() {
        QTest::addColumn<int>("radicalNo");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("radicalPicture");
        QTest::newRow("1") << 1 << "ごんべん"
                           << "h1.gif";
        QTest::newRow("3") << 3 << "てへん"
                           << "h3.gif";
        QTest::newRow("6") << 6 << "さんずい"
                           << "h6.gif";
        QTest::newRow("0 leaves the title") << 0 << ""
                                            << "h0.gif";
        QTest::newRow("16 by its last digit") << 16 << ""
                                              << "h6.gif";
    }
    void loadStartsGame() {
        QFETCH(int, radicalNo);
        QFETCH(QString, title);
        QFETCH(QString, radicalPicture);
        PlayRig rig;
        rig.shared.radicalNo = static_cast<std::int16_t>(radicalNo);
        rig.scriptDraw(true, 12);
        CarefulFlow flow(rig.ports());
        flow.load();
        QStringList expected;
        if (!title.isEmpty())
            expected << QStringLiteral("text Title=") + title;
        expected << QStringLiteral("picture Image2=") + rig.picture(radicalPicture)
                 << QStringLiteral("shown Image2=1") << QStringLiteral("text Label2=1")
                 << QStringLiteral("picture Image3=") + rig.characterPicture(12)
                 << QStringLiteral("shown Image3=1");
        QCOMPARE(rig.view.calls, expected);
        QVERIFY(rig.view.runningTimers.isEmpty());
        QVERIFY(!rig.view.texts.contains(PlayText::Score));
    }

    // Guards: the answer coding (index 0 = O), seeds of the first right and wrong cells.
    void pressJudgesAtOnce_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("fill");
        QTest::addColumn<QString>("score");
        QTest::newRow("O answered O") << 1 << 0 << "o.wav"
                                      << "fill 40,329 right"
                                      << "100";
        QTest::newRow("X answered X") << 2 << 1 << "o.wav"
                                      << "fill 40,329 right"
                                      << "100";
        QTest::newRow("O answered X") << 1 << 1 << "x.wav"
                                      << "fill 40,31 wrong"
                                      << "0";
        QTest::newRow("X answered O") << 2 << 0 << "x.wav"
                                      << "fill 40,31 wrong"
                                      << "0";
    }
    void pressJudgesAtOnce() {
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(QString, sound);
        QFETCH(QString, fill);
        QFETCH(QString, score);
        PlayRig rig;
        rig.scriptDraw(kind == 1, 4);
        CarefulFlow flow(rig.ports());
        flow.load();
        rig.view.clearCalls();
        flow.pressAnswer(index);
        QCOMPARE(rig.view.calls.mid(0, 3),
                 QStringList({QStringLiteral("sound ") + rig.sound(sound), fill,
                              QStringLiteral("text Label1=") + score}));
        QCOMPARE(rig.view.text(PlayText::QuestionNumber), QStringLiteral("2"));
        QCOMPARE(rig.state.pendingAnswer, Answer::None);
    }

    // A whole game: presses after the 100th change nothing, Timer2 rates the game about a
    // second later, the crow's fail sound follows, and the banner and Command3 swap places.
    void wholeGameRated_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<QString>("picture");
        QTest::newRow("74") << 74 << "karasu.gif";
        QTest::newRow("75") << 75 << "cmedal.gif";
        QTest::newRow("84") << 84 << "cmedal.gif";
        QTest::newRow("85") << 85 << "smedal.gif";
        QTest::newRow("94") << 94 << "smedal.gif";
        QTest::newRow("95") << 95 << "gmedal.gif";
        QTest::newRow("100") << 100 << "gmedal.gif";
    }
    void wholeGameRated() {
        QFETCH(int, correct);
        QFETCH(QString, picture);
        PlayRig rig;
        CarefulFlow flow(rig.ports());
        flow.load();
        playGame(rig, flow, correct);
        QCOMPARE(rig.view.text(PlayText::Score), QString::number(correct));
        QCOMPARE(rig.view.text(PlayText::QuestionNumber), QStringLiteral("100"));
        QVERIFY(rig.view.isRunning(PlayTimer::EndOfGameWait));

        // Ending: presses are ignored.
        const GameState before = rig.state;
        rig.view.clearCalls();
        flow.pressAnswer(0);
        flow.pressAnswer(1);
        QVERIFY(rig.view.calls.isEmpty());
        QCOMPARE(rig.state.correctCount, before.correctCount);

        TickDriver<CarefulFlow> driver(rig, flow);
        driver.afterTick = [&rig] { checkBannerOrButton(rig.view); };
        const int ticks =
            driver.runUntil([&] { return rig.view.isShown(PlayControl::RatingPicture); });
        QVERIFY(ticks >= 5 && ticks <= 15);
        QCOMPARE(rig.view.picture(PlayControl::RatingPicture), rig.picture(picture));
        QVERIFY(!rig.view.isShown(PlayControl::RadicalPicture));
        QVERIFY(!rig.view.isShown(PlayControl::CharacterPicture));
        QVERIFY(rig.view.isShown(PlayControl::AnotherGameButton));
        const bool crow = correct < 75;
        QCOMPARE(rig.view.isRunning(PlayTimer::FailSoundWait), crow);
        driver.run(20);
        QCOMPARE(rig.view.sounds.contains(rig.sound(u"dame.wav")), crow);
        QVERIFY(rig.view.runningTimers.isEmpty());

        // Rated: presses are still ignored.
        rig.view.clearCalls();
        flow.pressAnswer(0);
        QVERIFY(rig.view.calls.isEmpty());
    }

    // Another game: the steps in order, the title set again, a pending fail sound cancelled.
    void anotherGameCancelsFailSoundAndRestarts() {
        PlayRig rig;
        CarefulFlow flow(rig.ports());
        flow.load();
        playGame(rig, flow, 10);
        TickDriver<CarefulFlow> driver(rig, flow);
        driver.runUntil([&] { return rig.view.isRunning(PlayTimer::FailSoundWait); });
        rig.view.clearCalls();
        flow.anotherGame();
        QCOMPARE(rig.view.calls.mid(0, 8),
                 QStringList({QStringLiteral("timer Timer1=0"), QStringLiteral("shown Command3=0"),
                              QStringLiteral("shown Image5=0"), QStringLiteral("shown Image4=1"),
                              QStringLiteral("text Label1="), QStringLiteral("text Label2="),
                              QStringLiteral("gauge ") + rig.picture(u"waku.gif"),
                              QStringLiteral("text Title=てへん")}));
        QCOMPARE(rig.view.text(PlayText::QuestionNumber), QStringLiteral("1"));
        QCOMPARE(rig.view.text(PlayText::Score), QString());
        QCOMPARE(rig.view.picture(PlayControl::RadicalPicture), rig.picture(u"h3.gif"));
        QVERIFY(rig.view.isShown(PlayControl::RadicalPicture));
        QVERIFY(rig.view.cell(1) == std::nullopt);
        QVERIFY(!rig.state.gameOver);
        // The cancelled fail sound never comes, even from a stray tick.
        driver.run(30);
        flow.tick(PlayTimer::FailSoundWait);
        QVERIFY(!rig.view.sounds.contains(rig.sound(u"dame.wav")));
        answer(rig, flow, true);
        QCOMPARE(rig.view.text(PlayText::Score), QStringLiteral("100"));
    }

    // The game state outlives the screen: a new screen on it starts question 1 with the window
    // of the last game carried over and its flags cleared.
    void gameStateSurvivesUnload() {
        PlayRig rig;
        {
            CarefulFlow flow(rig.ports());
            flow.load();
            for (int q = 1; q <= 40; ++q)
                answer(rig, flow, q % 2 == 0);
        }
        const auto window = rig.state.window;
        rig.rebuildView();
        CarefulFlow flow(rig.ports());
        flow.load();
        QCOMPARE(rig.state.questionCount, std::int16_t(1));
        QCOMPARE(rig.state.correctCount, std::int16_t(0));
        for (int k = 1; k < kWindowSize; ++k)
            QCOMPARE(rig.state.window[k], window[k + 1]);
        QCOMPARE(rig.view.text(PlayText::QuestionNumber), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(TestCarefulFlow)
#include "test_careful_flow.moc"
