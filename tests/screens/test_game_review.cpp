#include "key_press.h"
#include "play_screen_probe.h"
#include "screens/game_review_window.h"
#include "screens/question_review.h"
#include "screens/screen_window.h"
#include "shell/content_paths.h"
#include "tests/support/screen_rig.h"

#include <QAccessible>
#include <QCheckBox>
#include <QHelpEvent>
#include <QListWidget>
#include <QToolTip>

using namespace screen_test;

namespace {

// Radical 1 (ごんべん): real characters 1 to 40, made-up ones 101 to 140.
constexpr int kLastO = 40;

// A kanji table for the test content: component 7 is 吾, which forms 語 with ごんべん;
// component 105 is 頼, which forms nothing with it. The other components are listed too, so
// that the table is complete for every question; they are named by 丁 and form 訂. 語 comes
// with its readings, as the generator writes them.
QByteArray kanjiTable() {
    QByteArray bytes;
    for (int n : test_files::range(1, kLastO) + test_files::range(101, 40)) {
        const bool real = n <= kLastO;
        const QString component = n == 7 ? "吾" : n == 105 ? "頼" : "丁";
        const QString kanji = n == 7 ? "語" : real ? "訂" : "";
        bytes += QStringLiteral("%1\t%2\t%3\t\t\t\t\t\r\n").arg(n).arg(component, kanji).toUtf8();
    }
    return bytes + QStringLiteral("語\tゴ\tかた.る かた.らう\tword; speech; language\r\n").toUtf8();
}

const QString kGo = QStringLiteral("語（ある）　ゴ・かた.る・かた.らう　word, speech, language");

// Kind and list draws that show character 7 (real, index 7 of 40) and character 105 (made up,
// index 5 of 40).
constexpr double kRealList = 0.1;
constexpr double kMadeUpList = 0.9;
constexpr double kIndex7 = 6.5 / 40;
constexpr double kIndex5 = 4.5 / 40;

// The middle of gauge cell k, counted from the top, in the gauge's own pixels.
QPoint cellPoint(int k) {
    return {40, 28 + 3 * k};
}

// Takes away a hover text at once (QToolTip itself lets it fade out).
void closeToolTip() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("qtooltip_label"))
            widget->hide();
    QVERIFY(!QToolTip::isVisible());
}

} // namespace

// The review of a finished game: every painted gauge cell tells its question through the real
// gauge widget, and only once the game is rated.
class TestGameReview : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void everyCellTellsItsQuestionAfterTheRating();
    void cellsStaySilentDuringPlayAndTheEnding();
    void realToolTipEventsShowTheText();
    void withoutAUsableTableThePictureIsNamed_data();
    void withoutAUsableTableThePictureIsNamed();
    void speedQuestionWithoutAnAnswer();
    void reviewWindowListsTheGame_data();
    void reviewWindowListsTheGame();
    void reviewAndRatingGoWithTheScreen_data();
    void reviewAndRatingGoWithTheScreen();
    void readingsInShort_data();
    void readingsInShort();

private:
    void openCareful();
    /// Opens the speed screen and lets a game pass without a press, to its rating.
    void playSpeedGameWithoutPresses();
    /// Plays a whole careful game: question 1 character 7 answered "ない" (wrong), question 2
    /// character 105 answered "ない" (right), then every third question wrong.
    void playScriptedGame();
    void rate();
    GaugeBox* gauge() const { return control<GaugeBox>(screen(), QStringLiteral("Picture1")); }
    /// The review window that shows, or null.
    QWidget* review() const {
        for (auto* window : screen()->findChildren<GameReviewWindow*>())
            if (window->isVisible())
                return window;
        return nullptr;
    }
    QWidget* screen() const { return m_rig->screen(); }

    std::unique_ptr<ScreenRig> m_rig;
    QList<bool> m_right; // per question, from question 1
};

void TestGameReview::init() {
    m_rig = std::make_unique<ScreenRig>();
    QVERIFY(m_rig->content.isValid());
    m_rig->content.writeList(1, 'o', test_files::range(1, kLastO));
    m_rig->content.writeList(1, 'x', test_files::range(101, 40));
    m_rig->content.writeCharacterPictures(test_files::range(1, kLastO) +
                                          test_files::range(101, 40));
    m_rig->content.writeKanjiTable(kanjiTable());
    m_rig->random = ScriptedRandom{kRealList, kIndex7, kMadeUpList, kIndex5};
    m_rig->start();
    m_right.clear();
}

void TestGameReview::cleanup() {
    closeToolTip();
    QVERIFY(m_rig->reporter.files.isEmpty());
    m_rig.reset();
}

void TestGameReview::openCareful() {
    click(screen(), QStringLiteral("Command1(0)"));
    click(screen(), QStringLiteral("Command4(1)"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Careful);
}

void TestGameReview::playScriptedGame() {
    PlayScreenProbe probe(screen());
    QCOMPARE(probe.character(), 7);
    for (int q = 1; q <= 100; ++q) {
        const bool real = probe.character() <= kLastO;
        const bool right = q == 2 || (q > 2 && q % 3 != 0);
        click(screen(), QStringLiteral("Command2(%1)").arg(real == right ? 0 : 1));
        m_right << right;
        if (q == 1)
            QCOMPARE(probe.character(), 105);
    }
}

void TestGameReview::rate() {
    m_rig->clock.advance(1.0);
    tickRunningTimers(screen());
    QVERIFY(PlayScreenProbe(screen()).shown("Command3"));
}

void TestGameReview::everyCellTellsItsQuestionAfterTheRating() {
    openCareful();
    playScriptedGame();
    rate();
    GaugeBox* box = gauge();
    QCOMPARE(box->toolTipAt(cellPoint(1)),
             QStringLiteral("第 1 問　%1　あなたの答え：ない ✗").arg(kGo));
    QCOMPARE(box->toolTipAt(cellPoint(100)),
             QStringLiteral("第 2 問　言＋頼（存在しない字）　あなたの答え：ない ○"));

    // Wrong cells from the top and right cells from the bottom, each in the order of the
    // questions; every cell names exactly one question and every question has one cell.
    QList<int> wrongQuestions;
    QList<int> rightQuestions;
    for (int q = 1; q <= 100; ++q)
        (m_right[q - 1] ? rightQuestions : wrongQuestions) << q;
    QSet<QString> seen;
    for (int k = 1; k <= 100; ++k) {
        const bool wrongCell = k <= wrongQuestions.size();
        const int question = wrongCell ? wrongQuestions[k - 1] : rightQuestions[100 - k];
        const QString text = box->toolTipAt(cellPoint(k));
        QVERIFY2(text.startsWith(QStringLiteral("第 %1 問　").arg(question)), qPrintable(text));
        QVERIFY2(text.endsWith(wrongCell ? QStringLiteral(" ✗") : QStringLiteral(" ○")),
                 qPrintable(text));
        // The whole pitch of a cell names it, across the gauge: the white line above it and
        // both its rows, so the tip stays put while the pointer moves along the gauge.
        for (const QPoint& offset : {QPoint(0, -1), QPoint(0, 1), QPoint(-40, 0), QPoint(40, 1)})
            QCOMPARE(box->toolTipAt(cellPoint(k) + offset), text);
        seen.insert(text);
    }
    QCOMPARE(seen.size(), 100);
    // The label strips, the outline's top and bottom and the line below the last cell name
    // nothing.
    for (const QPoint& p : {QPoint(40, 0), QPoint(40, 15), QPoint(40, 29), QPoint(40, 330),
                            QPoint(40, 345), QPoint(40, 360)})
        QVERIFY2(box->toolTipAt(p).isEmpty(), qPrintable(QStringLiteral("%1,%2").arg(p.y())));

    // The rating tells the player how to open the review of the whole game.
    QCOMPARE(control(screen(), QStringLiteral("Image5"))->toolTip(),
             QStringLiteral("クリックするか V キーで、全問を振り返れます"));

    // Another game: the cells are silent again.
    click(screen(), QStringLiteral("Command3"));
    click(screen(), QStringLiteral("Command2(0)"));
    for (int k : {1, 100})
        QVERIFY(gauge()->toolTipAt(cellPoint(k)).isEmpty());
}

void TestGameReview::cellsStaySilentDuringPlayAndTheEnding() {
    openCareful();
    PlayScreenProbe probe(screen());
    // Screen readers hear what the picture shows, never the kanji that would give the answer.
    QCOMPARE(probe.accessibleName("Image3"), QStringLiteral("言＋吾"));
    click(screen(), QStringLiteral("Command2(1)")); // question 1, character 7: wrong
    QCOMPARE(probe.accessibleName("Image3"), QStringLiteral("言＋頼"));
    click(screen(), QStringLiteral("Command2(1)")); // question 2, character 105: right
    QCOMPARE(probe.cell(1), artwork::kGaugeRed);
    QCOMPARE(probe.cell(100), artwork::kGaugeGreen);
    QVERIFY(gauge()->toolTipAt(cellPoint(1)).isEmpty());
    QVERIFY(gauge()->toolTipAt(cellPoint(100)).isEmpty());
    for (int q = 3; q <= 100; ++q)
        click(screen(), QStringLiteral("Command2(0)"));
    QVERIFY(probe.running("Timer2")); // the ending, not yet rated
    QVERIFY(gauge()->toolTipAt(cellPoint(1)).isEmpty());
    key_press::click(screen(), Qt::Key_V);
    QVERIFY(!review());
    QHelpEvent event(QEvent::ToolTip, cellPoint(1), gauge()->mapToGlobal(cellPoint(1)));
    QApplication::sendEvent(gauge(), &event);
    QVERIFY(QToolTip::text().isEmpty());
}

void TestGameReview::realToolTipEventsShowTheText() {
    openCareful();
    playScriptedGame();
    rate();
    const auto hover = [this](const QPoint& at) {
        QHelpEvent event(QEvent::ToolTip, at, gauge()->mapToGlobal(at));
        QApplication::sendEvent(gauge(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    // The label areas show nothing; the white line between two cells shows the lower one.
    QVERIFY(hover(QPoint(40, 345)).isEmpty());
    QCOMPARE(hover(cellPoint(1)), QStringLiteral("第 1 問　%1　あなたの答え：ない ✗").arg(kGo));
    QCOMPARE(hover(cellPoint(2) + QPoint(0, -1)), gauge()->toolTipAt(cellPoint(2)));
    QVERIFY(!gauge()->toolTipAt(cellPoint(2)).isEmpty());
    QCOMPARE(hover(cellPoint(100) + QPoint(-30, 1)),
             QStringLiteral("第 2 問　言＋頼（存在しない字）　あなたの答え：ない ○"));
}

void TestGameReview::withoutAUsableTableThePictureIsNamed_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("table");
    QTest::newRow("no table") << false << QByteArray();
    QTest::newRow("malformed table") << true << QByteArray("7\t吾\t語\r\n");
}

void TestGameReview::withoutAUsableTableThePictureIsNamed() {
    QFETCH(bool, present);
    QFETCH(QByteArray, table);
    QFile::remove(content_paths::kanjiTableFile(m_rig->content.appPath()));
    if (present)
        m_rig->content.writeKanjiTable(table);
    openCareful();
    playScriptedGame();
    rate();
    QCOMPARE(gauge()->toolTipAt(cellPoint(1)),
             QStringLiteral("第 1 問　ごんべん＋b7.gif（ある）　あなたの答え：ない ✗"));
    QCOMPARE(gauge()->toolTipAt(cellPoint(100)),
             QStringLiteral("第 2 問　ごんべん＋b105.gif（存在しない字）　あなたの答え：ない ○"));
}

void TestGameReview::playSpeedGameWithoutPresses() {
    click(screen(), QStringLiteral("Command1(0)"));
    click(screen(), QStringLiteral("Command4(0)"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Speed);
    PlayScreenProbe probe(screen());
    for (int i = 0; i < 3000 && !probe.shown("Command3"); ++i) {
        m_rig->clock.advance(0.1);
        tickRunningTimers(screen());
    }
    QVERIFY(probe.shown("Command3"));
}

void TestGameReview::speedQuestionWithoutAnAnswer() {
    // Nobody presses anything: every question is judged wrong, without an answer.
    playSpeedGameWithoutPresses();
    QCOMPARE(gauge()->toolTipAt(cellPoint(1)),
             QStringLiteral("第 1 問　%1　あなたの答え：回答なし ✗").arg(kGo));
    QCOMPARE(gauge()->toolTipAt(cellPoint(2)),
             QStringLiteral("第 2 問　言＋頼（存在しない字）　あなたの答え：回答なし ✗"));
    QCOMPARE(control(screen(), QStringLiteral("Image5"))->accessibleName(),
             QStringLiteral("カラス（不合格）"));
}

void TestGameReview::reviewWindowListsTheGame_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("V, closed by Esc") << true;
    QTest::newRow("click on the crow, closed by its button") << false;
}

// The review of the whole game: every question in order as its record says, the mistakes to be
// picked out, rows the keyboard moves through and screen readers name, and the rated screen
// exactly as it was once it closes, its timers having gone on meanwhile.
void TestGameReview::reviewWindowListsTheGame() {
    QFETCH(bool, byKey);
    openCareful();
    playScriptedGame();
    rate();
    QWidget* play = screen();
    PlayScreenProbe probe(play);
    QVERIFY(probe.running("Timer1")); // the crow's fail sound is due
    key_press::target(play);
    QWidget* focused = play->focusWidget();
    QVERIFY(focused);
    const QImage before = play->grab().toImage();

    if (byKey)
        key_press::click(play, Qt::Key_V);
    else
        QTest::mouseClick(control(play, QStringLiteral("Image5")), Qt::LeftButton);
    QWidget* window = review();
    QVERIFY(window);
    auto* rows = control<QListWidget>(window, QStringLiteral("ReviewList"));
    QCOMPARE(rows->count(), 100);
    QCOMPARE(rows->item(0)->text(), QStringLiteral("第 1 問　%1　あなたの答え：ない ✗").arg(kGo));
    QCOMPARE(rows->item(1)->text(),
             QStringLiteral("第 2 問　言＋頼（存在しない字）　あなたの答え：ない ○"));
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(rows)->tableInterface();
    QVERIFY(table);
    QList<int> mistakes;
    for (int i = 0; i < 100; ++i) {
        const QString text = rows->item(i)->text();
        QVERIFY2(text.startsWith(QStringLiteral("第 %1 問　").arg(i + 1)), qPrintable(text));
        QVERIFY2(text.endsWith(m_right[i] ? QStringLiteral(" ○") : QStringLiteral(" ✗")),
                 qPrintable(text));
        QCOMPARE(rows->item(i)->toolTip(), text);
        QCOMPARE(table->cellAt(i, 0)->text(QAccessible::Name), text);
        if (!m_right[i])
            mistakes << i;
    }

    // The keyboard moves through the rows, all of them or the mistakes only.
    QCOMPARE(window->focusWidget(), rows);
    QCOMPARE(rows->currentRow(), 0);
    key_press::click(window, Qt::Key_Down);
    key_press::click(window, Qt::Key_Down);
    QCOMPARE(rows->currentRow(), 2);
    key_press::click(window, Qt::Key_End);
    QCOMPARE(rows->currentRow(), 99);
    control<QCheckBox>(window, QStringLiteral("MistakesOnly"))->click();
    int shown = 0;
    for (int i = 0; i < 100; ++i)
        shown += rows->item(i)->isHidden() ? 0 : 1;
    QCOMPARE(shown, mistakes.size());
    rows->setFocus();
    key_press::click(window, Qt::Key_Home);
    QCOMPARE(rows->currentRow(), mistakes[0]);
    key_press::click(window, Qt::Key_Down);
    QCOMPARE(rows->currentRow(), mistakes[1]);

    // No event loop of its own: the play screen's fail sound comes while the review is open.
    m_rig->clock.advance(1.0);
    tickRunningTimers(play);
    QVERIFY(probe.lastSound().endsWith(QStringLiteral("dame.wav")));

    if (byKey)
        key_press::click(window, Qt::Key_Escape);
    else
        control<QAbstractButton>(window, QStringLiteral("CloseReview"))->click();
    QCoreApplication::processEvents();
    QVERIFY(!review());
    QCOMPARE(play->focusWidget(), focused);
    QCOMPARE(play->grab().toImage(), before);
}

void TestGameReview::reviewAndRatingGoWithTheScreen_data() {
    QTest::addColumn<bool>("speed");
    QTest::newRow("careful") << false;
    QTest::newRow("speed") << true;
}

// The review window goes with its screen, and so does the rating: the game state outlives the
// screen, but the screen's next showing reviews nothing until a game of its own is rated.
void TestGameReview::reviewAndRatingGoWithTheScreen() {
    QFETCH(bool, speed);
    if (speed) {
        playSpeedGameWithoutPresses();
    } else {
        openCareful();
        playScriptedGame();
        rate();
    }
    key_press::click(screen(), Qt::Key_V);
    QPointer<QWidget> window = review();
    QVERIFY(window);
    m_rig->navigator->open(Screen::Menu);
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    QVERIFY(window.isNull());

    click(screen(), QStringLiteral("Command1(0)"));
    click(screen(), QStringLiteral("Command4(%1)").arg(speed ? 0 : 1));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), speed ? Screen::Speed : Screen::Careful);
    key_press::click(screen(), Qt::Key_V);
    QVERIFY(!review());
    QVERIFY(gauge()->toolTipAt(cellPoint(1)).isEmpty());
}

// Guards: a review line grown too long for a hover text by a kanji with many readings, affix
// forms (-しる) shown as readings, or a separator left dangling when a part is missing.
void TestGameReview::readingsInShort_data() {
    QTest::addColumn<QStringList>("on");
    QTest::addColumn<QStringList>("kun");
    QTest::addColumn<QStringList>("meanings");
    QTest::addColumn<QString>("shown");
    QTest::newRow("詩") << QStringList{"シ"} << QStringList{"うた"} << QStringList{"poem", "poetry"}
                        << QStringLiteral("シ・うた　poem, poetry");
    QTest::newRow("汁: affixes left out")
        << QStringList{"ジュウ"} << QStringList{"しる", "-しる", "つゆ"}
        << QStringList{"soup", "juice", "broth", "sap"}
        << QStringLiteral("ジュウ・しる・つゆ　soup, juice, broth");
    QTest::newRow("済: five readings at most")
        << QStringList{"サイ", "セイ"}
        << QStringList{"す.む", "-ず.み", "す.まない", "す.ます", "すく.う", "な.す"}
        << QStringList{"finish"} << QStringLiteral("サイ・セイ・す.む・す.まない・す.ます　finish");
    QTest::newRow("on only, no meaning")
        << QStringList{"カク"} << QStringList() << QStringList() << QStringLiteral("カク");
    QTest::newRow("nothing") << QStringList() << QStringList() << QStringList() << QString();
}

void TestGameReview::readingsInShort() {
    QFETCH(QStringList, on);
    QFETCH(QStringList, kun);
    QFETCH(QStringList, meanings);
    QFETCH(QString, shown);
    QCOMPARE(question_review::readingsText({on, kun, meanings}), shown);
}

QTEST_MAIN(TestGameReview)
#include "test_game_review.moc"
