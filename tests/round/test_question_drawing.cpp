#include "round/round_engine.h"
#include "shell/content_error.h"
#include "tests/support/play_rig.h"

#include <QtTest>
#include <cmath>
#include <memory>

// Question drawing with the no-repeat window of 30: the kind choice, the list draw, the repeat
// test, the window update and the showing.
class TestQuestionDrawing : public QObject {
    Q_OBJECT

private:
    // Draws the next question and checks the window-update rules against the state before it:
    // the drawn character was not flagged; the oldest place's flag was cleared, then the drawn
    // character's flag set; every other flag unchanged; the window moved on by one.
    static void drawCheckingRules(RoundEngine& engine) {
        const GameState before = engine.state();
        engine.drawQuestion();
        const GameState& after = engine.state();
        const int drawn = after.currentCharacter;
        QCOMPARE(before.recentlyUsed[drawn], std::int16_t(0));
        QCOMPARE(after.recentlyUsed[drawn], std::int16_t(1));
        const int oldest = before.window[1];
        if (oldest != kEmptyPlace && oldest != drawn)
            QCOMPARE(after.recentlyUsed[oldest], std::int16_t(0));
        for (int c = 0; c < kListSize; ++c) {
            if (c != drawn && c != oldest)
                QCOMPARE(after.recentlyUsed[c], before.recentlyUsed[c]);
        }
        for (int k = 1; k < kWindowSize; ++k)
            QCOMPARE(after.window[k], before.window[k + 1]);
        QCOMPARE(after.window[kWindowSize], std::int16_t(drawn));
        QCOMPARE(after.questionCount, std::int16_t(before.questionCount + 1));
    }

private Q_SLOTS:
    // Guards: a window update in the wrong order, a window of 29, or flags not set, any of which
    // lets a character come back within 30 questions in a game that starts with an empty window.
    void noRepeatWithinThirtyInFirstGame_data() {
        QTest::addColumn<int>("oFirst");
        QTest::addColumn<int>("oCount");
        QTest::addColumn<int>("xFirst");
        QTest::addColumn<int>("xCount");
        QTest::newRow("separate lists") << 1 << 40 << 101 << 40;
        QTest::newRow("lists sharing characters") << 1 << 40 << 30 << 40;
        QTest::newRow("exactly 31 characters") << 1 << 16 << 17 << 15;
        QTest::newRow("large lists") << 1 << 219 << 1 << 219;
        // Guards: empty window places taken for character 0, which let 0 come back at once.
        QTest::newRow("character 0 in a list") << 0 << 16 << 16 << 15;
    }
    void noRepeatWithinThirtyInFirstGame() {
        QFETCH(int, oFirst);
        QFETCH(int, oCount);
        QFETCH(int, xFirst);
        QFETCH(int, xCount);
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            auto rig = std::make_unique<PlayRig>();
            rig->setLists(oFirst, oCount, xFirst, xCount);
            rig->random.restart(seed);
            RoundEngine engine(rig->ports());
            engine.startGame();
            std::array<int, kQuestionsPerGame + 1> shown{};
            for (int q = 1; q <= kQuestionsPerGame; ++q) {
                engine.drawQuestion();
                shown[q] = rig->state.currentCharacter;
                for (int earlier = std::max(1, q - kWindowSize); earlier < q; ++earlier) {
                    if (shown[earlier] == shown[q])
                        QFAIL(qPrintable(QStringLiteral("seed %1: character %2 at questions %3, %4")
                                             .arg(seed)
                                             .arg(shown[q])
                                             .arg(earlier)
                                             .arg(q)));
                }
            }
        }
    }

    // In later games the window still holds the last game's characters; the rules of each
    // update, not the no-repeat property, are what hold then.
    void windowRulesHoldInLaterGames() {
        PlayRig rig;
        rig.setLists(1, 16, 17, 15);
        RoundEngine engine(rig.ports());
        for (int game = 1; game <= 4; ++game) {
            engine.startGame();
            for (int q = 1; q <= kQuestionsPerGame; ++q)
                drawCheckingRules(engine);
        }
    }

    // Guards: the old entries of a carried-over window must clear their flags as they leave,
    // also for a character drawn again in the new game.
    void oldEntryLeavingClearsFlagOfCharacterDrawnAgain() {
        PlayRig rig;
        RoundEngine engine(rig.ports());
        engine.startGame();
        for (int q = 1; q <= kQuestionsPerGame; ++q)
            engine.drawQuestion();
        const int again = rig.state.window[2]; // leaves the window at the second update
        const bool againInO = again <= 40;
        const int againIndex = againInO ? again : again - 100;
        int other = 1;
        while (other == again || std::find(rig.state.window.begin() + 1, rig.state.window.end(),
                                           other) != rig.state.window.end())
            ++other;

        engine.startGame();
        QCOMPARE(rig.state.window[2], std::int16_t(again)); // the window carried over
        rig.scriptDraw(againInO, againIndex);
        rig.scriptDraw(true, other);
        rig.scriptDraw(againInO, againIndex);
        engine.drawQuestion();
        QCOMPARE(rig.state.recentlyUsed[again], std::int16_t(1));
        engine.drawQuestion();
        QCOMPARE(rig.state.recentlyUsed[again], std::int16_t(0));
        engine.drawQuestion();
        QCOMPARE(rig.state.currentCharacter, std::int16_t(again));
        QCOMPARE(rig.view.text(PlayText::QuestionNumber), QStringLiteral("3"));
    }

    // Guards: re-seeding before the kind choice, a biased index, an index past the count.
    void kindChoiceAndListDraw_data() {
        QTest::addColumn<double>("kindValue");
        QTest::addColumn<double>("indexValue");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("expectedKind");
        QTest::addColumn<int>("expectedIndex");
        const double belowOne = std::nextafter(1.0, 0.0);
        QTest::newRow("0 gives O, first item") << 0.0 << 0.0 << 40 << 1 << 1;
        QTest::newRow("just below a half gives O") << 0.4999 << 0.5 << 40 << 1 << 21;
        QTest::newRow("a half gives X") << 0.5 << 0.0 << 40 << 2 << 1;
        QTest::newRow("just below 1 gives X, last item") << belowOne << belowOne << 40 << 2 << 40;
        QTest::newRow("largest list, last item") << 0.1 << belowOne << 219 << 1 << 219;
        QTest::newRow("largest list, boundary") << 0.1 << 218.0 / 219.0 << 219 << 1 << 219;
        QTest::newRow("one item") << 0.9 << 0.99 << 1 << 2 << 1;
    }
    void kindChoiceAndListDraw() {
        QFETCH(double, kindValue);
        QFETCH(double, indexValue);
        QFETCH(int, count);
        QFETCH(int, expectedKind);
        QFETCH(int, expectedIndex);
        PlayRig rig;
        rig.setLists(1, count, 1, count);
        for (int i = 1; i <= count; ++i) {
            rig.shared.oList[i] = static_cast<std::int16_t>(i - 1);
            rig.shared.xList[i] = static_cast<std::int16_t>(219 - (i - 1));
        }
        rig.random.append({kindValue, indexValue});
        RoundEngine engine(rig.ports());
        engine.startGame();
        engine.drawQuestion();
        QCOMPARE(int(rig.state.currentKind), expectedKind);
        const WordListArray& list = expectedKind == 1 ? rig.shared.oList : rig.shared.xList;
        QCOMPARE(rig.state.currentCharacter, list[expectedIndex]);
        // The kind choice takes a value without re-seeding; the list draw re-seeds first.
        QCOMPARE(QString::fromStdString(rig.random.trace()), QStringLiteral("nrn"));
    }

    // A list of one character yields it every time; once it is in the window every draw from
    // that list is rejected and the kind is chosen again until the other list supplies one.
    void listOfOneCharacter() {
        PlayRig rig;
        rig.setLists(5, 1, 101, 40);
        RoundEngine engine(rig.ports());
        engine.startGame();
        rig.random.append({0.1, 0.999});
        engine.drawQuestion();
        QCOMPARE(rig.state.currentCharacter, std::int16_t(5));
        rig.random.clearTrace();
        rig.random.append({0.2, 0.0, 0.3, 0.7});
        rig.scriptDraw(false, 3);
        engine.drawQuestion();
        QCOMPARE(rig.state.currentCharacter, std::int16_t(103));
        QCOMPARE(rig.random.reseeds(), 4);
        QCOMPARE(QString::fromStdString(rig.random.trace()), QStringLiteral("nrnnrnnrn"));
        // Many more questions: the single O character never returns within 30.
        int lastFive = 1;
        for (int q = 3; q <= kQuestionsPerGame; ++q) {
            engine.drawQuestion();
            if (rig.state.currentCharacter == 5) {
                QVERIFY2(q - lastFive > kWindowSize, qPrintable(QString::number(q)));
                lastFive = q;
            }
        }
    }

    // Guards: game start clearing the window, touching flag 0 or the pending answer, or
    // leaving counts or flags of the last game.
    void gameStartResetsOnlyTheGame() {
        PlayRig rig;
        GameState& s = rig.state;
        s.recentlyUsed.fill(1);
        for (int k = 1; k <= kWindowSize; ++k)
            s.window[k] = static_cast<std::int16_t>(k + 50);
        s.questionCount = 100;
        s.correctCount = 60;
        s.wrongCount = 40;
        s.gameOver = true;
        s.pendingAnswer = Answer::X;
        s.score = 60;
        s.waitStart = 1234;
        s.records[5].question = 6;
        const auto window = s.window;
        RoundEngine engine(rig.ports());
        engine.startGame();
        QCOMPARE(s.questionCount, std::int16_t(0));
        QCOMPARE(s.correctCount, std::int16_t(0));
        QCOMPARE(s.wrongCount, std::int16_t(0));
        QVERIFY(!s.gameOver);
        QCOMPARE(s.records[5].question, std::int16_t(0));
        QCOMPARE(s.recentlyUsed[0], std::int16_t(1));
        for (int c = 1; c <= kMaxCharacterNo; ++c)
            QCOMPARE(s.recentlyUsed[c], std::int16_t(0));
        QVERIFY(s.window == window);
        QCOMPARE(s.pendingAnswer, Answer::X);
        QCOMPARE(s.score, std::int16_t(60));
        QCOMPARE(s.waitStart, 1234);
    }

    // Lists that cannot make a game end with a content fault, never with a hang.
    void fewerThan31CharactersEndsWithContentError() {
        PlayRig rig;
        rig.setLists(1, 15, 16, 15);
        RoundEngine engine(rig.ports());
        engine.startGame();
        for (int q = 1; q <= kWindowSize; ++q)
            engine.drawQuestion();
        try {
            engine.drawQuestion();
            QFAIL("no content error");
        } catch (const ContentError& error) {
            QVERIFY(error.file().endsWith(QStringLiteral("h3o.dat")));
        }
    }

    // A count or a character number outside 0..219 is a content fault naming the list.
    void outOfRangeListIsContentError_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("character");
        QTest::newRow("count 220") << 220 << 5;
        QTest::newRow("character 220") << 10 << 220;
        QTest::newRow("character -1") << 10 << -1;
    }
    void outOfRangeListIsContentError() {
        QFETCH(int, count);
        QFETCH(int, character);
        PlayRig rig;
        rig.shared.oCount = static_cast<std::int16_t>(count);
        rig.shared.oList.fill(static_cast<std::int16_t>(character));
        rig.random.append({0.1, std::nextafter(1.0, 0.0)});
        RoundEngine engine(rig.ports());
        engine.startGame();
        QVERIFY_THROWS_EXCEPTION(ContentError, engine.drawQuestion());
    }
};

QTEST_GUILESS_MAIN(TestQuestionDrawing)
#include "test_question_drawing.moc"
