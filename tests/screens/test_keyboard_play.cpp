#include "facts/radicals.h"
#include "key_press.h"
#include "play_screen_probe.h"
#include "screens/picture_button.h"
#include "screens/screen_window.h"
#include "tests/support/screen_rig.h"

#include <QGroupBox>

using namespace screen_test;

Q_DECLARE_METATYPE(Screen)

namespace {

// Every radical's lists: real characters 1 to 40, made-up ones 101 to 140.
constexpr int kLastO = 40;

} // namespace

// The keys of every screen pressed on the real screens, offscreen: each does what its button's
// click does, and nothing while that button is hidden or its press would be ignored.
class TestKeyboardPlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void digitsChooseTheRadicals_data();
    void digitsChooseTheRadicals();
    void modeKeysWaitForARadical_data();
    void modeKeysWaitForARadical();
    void howToPlayOpensAndEscapeReturns();
    void focusIsVisible_data();
    void focusIsVisible();
    void focusedButtonAnswersEnterAndSpace_data();
    void focusedButtonAnswersEnterAndSpace();
    void answerKeysJudgeOnceAndKeepTheFocus_data();
    void answerKeysJudgeOnceAndKeepTheFocus();
    void aHeldKeyAnswersOnce();
    void wholeGameByKeysThenAnotherGame();
    void speedKeysOnlyRecordTheAnswer();

private:
    void openPlay(Qt::Key modeKey);
    QWidget* screen() const { return m_rig->screen(); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        key_press::click(screen(), k, modifiers);
    }
    bool frameShown() const {
        return control<QGroupBox>(screen(), QStringLiteral("Frame1"))->isVisible();
    }
    /// The key that answers the question on screen, right or wrong.
    Qt::Key answerKey(bool right, bool arrows) const {
        const bool real = PlayScreenProbe(screen()).character() <= kLastO;
        if (real == right)
            return arrows ? Qt::Key_Left : Qt::Key_O;
        return arrows ? Qt::Key_Right : Qt::Key_X;
    }

    std::unique_ptr<ScreenRig> m_rig;
};

void TestKeyboardPlay::init() {
    m_rig = std::make_unique<ScreenRig>();
    QVERIFY(m_rig->content.isValid());
    for (int radical = 1; radical <= kRadicalCount; ++radical) {
        m_rig->content.writeList(radical, 'o', test_files::range(1, kLastO));
        m_rig->content.writeList(radical, 'x', test_files::range(101, 40));
    }
    m_rig->content.writeCharacterPictures(test_files::range(1, kLastO) +
                                          test_files::range(101, 40));
    m_rig->content.writeHowToPlay("1\r\n");
    m_rig->start();
}

void TestKeyboardPlay::cleanup() {
    QVERIFY(m_rig->reporter.files.isEmpty());
    m_rig.reset();
}

void TestKeyboardPlay::openPlay(Qt::Key modeKey) {
    key(Qt::Key_3);
    key(modeKey);
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(),
             modeKey == Qt::Key_J ? Screen::Careful : Screen::Speed);
}

void TestKeyboardPlay::digitsChooseTheRadicals_data() {
    QTest::addColumn<int>("radical");
    for (int radical = 1; radical <= kRadicalCount; ++radical)
        QTest::addRow("%d", radical) << radical;
}

void TestKeyboardPlay::digitsChooseTheRadicals() {
    QFETCH(int, radical);
    QVERIFY(!frameShown());
    key(static_cast<Qt::Key>(Qt::Key_0 + radical));
    QCOMPARE(m_rig->navigator->shared().radicalNo, radical);
    QVERIFY(frameShown());
    QCOMPARE(control<QGroupBox>(screen(), QStringLiteral("Frame1"))->title(), radicalName(radical));
    // A digit past the radicals chooses nothing.
    key(Qt::Key_7);
    key(Qt::Key_0);
    QCOMPARE(m_rig->navigator->shared().radicalNo, radical);
}

void TestKeyboardPlay::modeKeysWaitForARadical_data() {
    QTest::addColumn<Qt::Key>("modeKey");
    QTest::addColumn<Screen>("opens");
    QTest::newRow("S speed") << Qt::Key_S << Screen::Speed;
    QTest::newRow("J careful") << Qt::Key_J << Screen::Careful;
}

void TestKeyboardPlay::modeKeysWaitForARadical() {
    QFETCH(Qt::Key, modeKey);
    QFETCH(Screen, opens);
    // The mode frame is hidden: its buttons cannot be pressed, nor can their keys.
    key(modeKey);
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    key(Qt::Key_2);
    key(modeKey);
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), opens);
    QCOMPARE(screen()->windowTitle(), QStringLiteral("にんべん"));
}

void TestKeyboardPlay::howToPlayOpensAndEscapeReturns() {
    key(Qt::Key_Escape); // the menu has no key of its own for Escape
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    key(Qt::Key_H);
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::HowToPlay);
    // The list has the focus; the menu's keys mean nothing here.
    QCOMPARE(screen()->focusWidget()->objectName(), QStringLiteral("List1"));
    key(Qt::Key_1);
    key(Qt::Key_H);
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::HowToPlay);
    key(Qt::Key_Escape);
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    QVERIFY(!frameShown());
}

void TestKeyboardPlay::focusIsVisible_data() {
    QTest::addColumn<Qt::Key>("modeKey"); // 0 stays on the menu
    QTest::addColumn<QString>("button");
    for (const char* name :
         {"Command1(0)", "Command1(4)", "Command2", "Command3", "Command4(0)", "Command4(1)"})
        QTest::newRow(name) << Qt::Key(0) << QString::fromLatin1(name);
    for (const char* name : {"Command1", "Command2(0)", "Command2(1)"}) {
        QTest::addRow("careful %s", name) << Qt::Key_J << QString::fromLatin1(name);
        QTest::addRow("speed %s", name) << Qt::Key_S << QString::fromLatin1(name);
    }
}

// Guards: a focus that moves with Tab while no pixel changes, so that Enter or Space press a
// button nobody can see.
void TestKeyboardPlay::focusIsVisible() {
    QFETCH(Qt::Key, modeKey);
    QFETCH(QString, button);
    if (modeKey)
        openPlay(modeKey);
    else
        key(Qt::Key_3); // the mode buttons show
    auto* target = control(screen(), button);
    key_press::target(screen());
    QVERIFY(target->isVisible());
    target->setFocus(Qt::TabFocusReason);
    QVERIFY(target->hasFocus());
    const QImage focused = target->grab().toImage();
    key(Qt::Key_Tab);
    QVERIFY(!target->hasFocus());
    QVERIFY(focused != target->grab().toImage());
}

void TestKeyboardPlay::focusedButtonAnswersEnterAndSpace_data() {
    QTest::addColumn<Qt::Key>("pressed");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers();
    QTest::newRow("Enter") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
    QTest::newRow("Space") << Qt::Key_Space << Qt::KeyboardModifiers();
}

void TestKeyboardPlay::focusedButtonAnswersEnterAndSpace() {
    QFETCH(Qt::Key, pressed);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    // The menu opens with the focus on Command1(0), ごんべん.
    QCOMPARE(screen()->focusWidget()->objectName(), QStringLiteral("Command1(0)"));
    key(pressed, modifiers);
    QCOMPARE(m_rig->navigator->shared().radicalNo, 1);
    QVERIFY(frameShown());
    // The mode buttons take the key when they have the focus.
    control(screen(), QStringLiteral("Command4(1)"))->setFocus();
    key(pressed, modifiers);
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Careful);
    // On a play screen the focus starts on Command1: the key goes back to the menu.
    QCOMPARE(screen()->focusWidget()->objectName(), QStringLiteral("Command1"));
    key(pressed, modifiers);
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
}

void TestKeyboardPlay::answerKeysJudgeOnceAndKeepTheFocus_data() {
    QTest::addColumn<bool>("arrows");
    QTest::addColumn<bool>("right");
    QTest::newRow("O right") << false << true;
    QTest::newRow("X wrong") << false << false;
    QTest::newRow("left arrow right") << true << true;
    QTest::newRow("right arrow wrong") << true << false;
}

void TestKeyboardPlay::answerKeysJudgeOnceAndKeepTheFocus() {
    QFETCH(bool, arrows);
    QFETCH(bool, right);
    openPlay(Qt::Key_J);
    PlayScreenProbe probe(screen());
    // With the focus on an answer button the arrows would move it to its neighbour.
    control(screen(), QStringLiteral("Command2(0)"))->setFocus();
    key(answerKey(right, arrows));
    QCOMPARE(probe.text("Label2"), QStringLiteral("2"));
    QCOMPARE(probe.text("Label1"), right ? QStringLiteral("100") : QStringLiteral("0"));
    QVERIFY(probe.gaugeShows(right ? 1 : 0, right ? 0 : 1));
    QCOMPARE(screen()->focusWidget()->objectName(), QStringLiteral("Command2(0)"));
    // R means nothing while the another-game button is hidden.
    key(Qt::Key_R);
    QCOMPARE(probe.text("Label2"), QStringLiteral("2"));
    QVERIFY(probe.gaugeShows(right ? 1 : 0, right ? 0 : 1));
}

void TestKeyboardPlay::aHeldKeyAnswersOnce() {
    openPlay(Qt::Key_J);
    PlayScreenProbe probe(screen());
    const Qt::Key right = answerKey(true, false);
    key_press::hold(screen(), right, 5);
    QCOMPARE(probe.text("Label2"), QStringLiteral("2"));
    QVERIFY(probe.gaugeShows(1, 0));
    key_press::hold(screen(), answerKey(false, true), 5);
    QCOMPARE(probe.text("Label2"), QStringLiteral("3"));
    QVERIFY(probe.gaugeShows(1, 1));
}

// A careful game played on the keyboard alone: 80 right and 20 wrong, the ending ignores the
// answer keys, R waits for the rating and then starts another game.
void TestKeyboardPlay::wholeGameByKeysThenAnotherGame() {
    openPlay(Qt::Key_J);
    PlayScreenProbe probe(screen());
    for (int q = 1; q <= 100; ++q) {
        key(answerKey(q % 5 != 0, q % 2 == 0));
        if (q < 100)
            QCOMPARE(probe.text("Label2"), QString::number(q + 1));
    }
    QVERIFY(probe.gaugeShows(80, 20));
    QCOMPARE(probe.text("Label1"), QStringLiteral("80"));
    const QImage fullGauge = probe.gauge();
    for (Qt::Key k : {Qt::Key_O, Qt::Key_X, Qt::Key_Left, Qt::Key_Right, Qt::Key_R})
        key(k);
    QCOMPARE(probe.gauge(), fullGauge);
    QCOMPARE(probe.text("Label1"), QStringLiteral("80"));
    QVERIFY(probe.running("Timer2"));

    // The answer buttons look usable until the rating, which disables them: they look it, and
    // the focus moves on to the another-game button.
    auto* exists = control(screen(), QStringLiteral("Command2(0)"));
    control(screen(), QStringLiteral("Command1"))->setFocus();
    const QImage usable = exists->grab().toImage();
    exists->setFocus();
    m_rig->clock.advance(1.0);
    tickRunningTimers(screen());
    QVERIFY(probe.shown("Command3") && probe.shown("Image5"));
    QVERIFY(!exists->isEnabled() && !control(screen(), QStringLiteral("Command2(1)"))->isEnabled());
    QCOMPARE(screen()->focusWidget()->objectName(), QStringLiteral("Command3"));
    QVERIFY(exists->grab().toImage() != usable);
    key(Qt::Key_O);
    QCOMPARE(probe.gauge(), fullGauge);
    key(Qt::Key_R);
    QVERIFY(!probe.shown("Command3") && !probe.shown("Image5"));
    QCOMPARE(probe.text("Label2"), QStringLiteral("1"));
    QVERIFY(probe.gaugeShows(0, 0));
    QVERIFY(exists->isEnabled() && control(screen(), QStringLiteral("Command2(1)"))->isEnabled());
    QCOMPARE(exists->grab().toImage(), usable);
}

void TestKeyboardPlay::speedKeysOnlyRecordTheAnswer() {
    openPlay(Qt::Key_S);
    PlayScreenProbe probe(screen());
    // Through the countdown to the first question.
    for (int i = 0; i < 40 && !probe.running("Timer6"); ++i) {
        m_rig->clock.advance(0.1);
        tickRunningTimers(screen());
    }
    QVERIFY(probe.running("Timer6"));
    // The wrong key, then the right one: nothing is judged until the answer clock, which takes
    // the last. Meanwhile the last one pressed shows as held, and only that one.
    const bool real = probe.character() <= kLastO;
    auto* rightButton = control<PictureButton>(screen(), real ? "Command2(0)" : "Command2(1)");
    auto* wrongButton = control<PictureButton>(screen(), real ? "Command2(1)" : "Command2(0)");
    const QImage notHeld = rightButton->grab().toImage();
    key(answerKey(false, true));
    QVERIFY(wrongButton->isHeld() && !rightButton->isHeld());
    key(answerKey(true, false));
    QVERIFY(rightButton->isHeld() && !wrongButton->isHeld());
    QVERIFY(rightButton->grab().toImage() != notHeld);
    QCOMPARE(probe.text("Label2"), QStringLiteral("1"));
    QVERIFY(probe.gaugeShows(0, 0));
    for (int i = 0; i < 30 && probe.text("Label2") == QStringLiteral("1"); ++i) {
        m_rig->clock.advance(0.1);
        tickRunningTimers(screen());
    }
    QCOMPARE(probe.text("Label2"), QStringLiteral("2"));
    QVERIFY(probe.gaugeShows(1, 0));
    // The judgement took it: nothing is held any more.
    QVERIFY(!rightButton->isHeld() && !wrongButton->isHeld());
    QCOMPARE(rightButton->grab().toImage(), notHeld);
}

QTEST_MAIN(TestKeyboardPlay)
#include "test_keyboard_play.moc"
