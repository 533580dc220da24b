#include "screen_test_support.h"
#include "screens/menu_screen.h"
#include "shell/content_paths.h"
#include "tests/support/screen_rig.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QSignalSpy>

using namespace screen_test;

// The menu clicked through its real widgets, on word lists that the test writes.
class TestMenuScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void modeFrameIsHiddenWhenTheMenuOpens();
    void radicalButtonLoadsItsListsAndShowsTheFrame_data();
    void radicalButtonLoadsItsListsAndShowsTheFrame();
    void anotherRadicalReloadsAndRenamesTheFrame();
    void unplayableListsShowAMessageAndKeepTheFrameHidden_data();
    void unplayableListsShowAMessageAndKeepTheFrameHidden();
    void missingListReachesTheReporterWithItsName_data();
    void missingListReachesTheReporterWithItsName();
    void hoverTextsOnlyOnTheRadicalButtons();
    void buttonsAskForTheirScreens_data();
    void buttonsAskForTheirScreens();

private:
    QGroupBox* frame() const { return control<QGroupBox>(m_menu.get(), QStringLiteral("Frame1")); }
    QMessageBox* unplayableMessage() const {
        return m_menu->findChild<QMessageBox*>(QStringLiteral("UnplayableMessage"));
    }

    std::unique_ptr<ScreenRig> m_rig;
    SharedState m_shared;
    std::unique_ptr<MenuScreen> m_menu;
};

void TestMenuScreen::init() {
    m_rig = std::make_unique<ScreenRig>();
    QVERIFY(m_rig->content.isValid());
    // Radical r gets 20 + r real and 15 made-up characters, so each list pair is told apart.
    for (int radical = 1; radical <= 6; ++radical) {
        m_rig->content.writeList(radical, 'o', test_files::range(radical * 30, 20 + radical));
        m_rig->content.writeList(radical, 'x', test_files::range(1, 15));
    }
    m_shared = SharedState{};
    m_shared.appPath = m_rig->content.appPath();
    m_menu = std::make_unique<MenuScreen>(m_shared, m_rig->errorPath);
    m_menu->show();
}

void TestMenuScreen::cleanup() {
    m_menu.reset();
    m_rig.reset();
}

void TestMenuScreen::modeFrameIsHiddenWhenTheMenuOpens() {
    QVERIFY(frame()->isHidden());
    QVERIFY(frame()->title().isEmpty());
    QVERIFY(!control(m_menu.get(), QStringLiteral("Command4(0)"))->isVisible());
    QVERIFY(!control(m_menu.get(), QStringLiteral("Command4(1)"))->isVisible());
}

void TestMenuScreen::radicalButtonLoadsItsListsAndShowsTheFrame_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("first button") << 0 << QStringLiteral("ごんべん");
    QTest::newRow("third button") << 2 << QStringLiteral("てへん");
    QTest::newRow("last button") << 5 << QStringLiteral("さんずい");
}

// Guards against a button wired to the wrong radical, or a frame left hidden or unnamed.
void TestMenuScreen::radicalButtonLoadsItsListsAndShowsTheFrame() {
    QFETCH(int, index);
    QFETCH(QString, name);
    click(m_menu.get(), QStringLiteral("Command1(%1)").arg(index));
    const int radical = index + 1;
    QCOMPARE(m_shared.radicalNo, radical);
    QCOMPARE(m_shared.oCount, 20 + radical);
    QCOMPARE(m_shared.oList[1], radical * 30);
    QCOMPARE(m_shared.xCount, 15);
    QVERIFY(frame()->isVisible());
    QCOMPARE(frame()->title(), name);
    QVERIFY(control(m_menu.get(), QStringLiteral("Command4(0)"))->isVisible());
    QVERIFY(control(m_menu.get(), QStringLiteral("Command4(1)"))->isVisible());
    QVERIFY(m_rig->reporter.files.isEmpty());
}

void TestMenuScreen::anotherRadicalReloadsAndRenamesTheFrame() {
    click(m_menu.get(), QStringLiteral("Command1(0)"));
    click(m_menu.get(), QStringLiteral("Command1(4)"));
    QCOMPARE(m_shared.radicalNo, 5);
    QCOMPARE(m_shared.oCount, 25);
    QCOMPARE(frame()->title(), QStringLiteral("きへん"));
    QVERIFY(frame()->isVisible());
}

void TestMenuScreen::unplayableListsShowAMessageAndKeepTheFrameHidden_data() {
    QTest::addColumn<QList<int>>("oItems");
    QTest::addColumn<QList<int>>("xItems");
    QTest::addColumn<bool>("playableRadicalFirst");
    QTest::newRow("empty O list") << QList<int>{} << test_files::range(1, 40) << false;
    QTest::newRow("empty X list") << test_files::range(1, 40) << QList<int>{} << false;
    QTest::newRow("30 different characters")
        << test_files::range(1, 20) << test_files::range(11, 20) << false;
    QTest::newRow("after a playable radical") << QList<int>{} << test_files::range(1, 40) << true;
}

// Lists that cannot make a game must never reach a play screen (drawing would search forever).
void TestMenuScreen::unplayableListsShowAMessageAndKeepTheFrameHidden() {
    QFETCH(QList<int>, oItems);
    QFETCH(QList<int>, xItems);
    QFETCH(bool, playableRadicalFirst);
    m_rig->content.writeList(2, 'o', oItems);
    m_rig->content.writeList(2, 'x', xItems);
    if (playableRadicalFirst) {
        click(m_menu.get(), QStringLiteral("Command1(0)"));
        QVERIFY(frame()->isVisible());
    }
    click(m_menu.get(), QStringLiteral("Command1(1)"));
    QVERIFY(!frame()->isVisible());
    QMessageBox* message = unplayableMessage();
    QVERIFY(message);
    QVERIFY(message->isVisible());
    QVERIFY(message->text().contains(QStringLiteral("にんべん")));
    QVERIFY(m_rig->reporter.files.isEmpty()); // the program goes on
    message->close();
    // The menu still works after the message.
    click(m_menu.get(), QStringLiteral("Command1(2)"));
    QVERIFY(frame()->isVisible());
}

void TestMenuScreen::missingListReachesTheReporterWithItsName_data() {
    QTest::addColumn<char>("kind");
    QTest::newRow("O list") << 'o';
    QTest::newRow("X list") << 'x';
}

void TestMenuScreen::missingListReachesTheReporterWithItsName() {
    QFETCH(char, kind);
    m_rig->content.removeList(4, kind);
    click(m_menu.get(), QStringLiteral("Command1(3)"));
    const QString missing = kind == 'o' ? content_paths::oListFile(m_shared.appPath, 4)
                                        : content_paths::xListFile(m_shared.appPath, 4);
    QCOMPARE(m_rig->reporter.files, QStringList{missing});
    QVERIFY(!frame()->isVisible());
    // The program is ending: a further click does nothing more.
    click(m_menu.get(), QStringLiteral("Command1(0)"));
    QCOMPARE(m_rig->reporter.files.size(), 1);
    QVERIFY(!frame()->isVisible());
}

void TestMenuScreen::hoverTextsOnlyOnTheRadicalButtons() {
    const QStringList names{"ごんべん", "にんべん", "てへん", "いとへん", "きへん", "さんずい"};
    const auto buttons = m_menu->findChildren<QAbstractButton*>();
    QCOMPARE(buttons.size(), 10);
    for (const QAbstractButton* button : buttons) {
        const QString name = button->objectName();
        if (name.startsWith(QLatin1String("Command1("))) {
            const int index = name.mid(9, 1).toInt();
            QCOMPARE(button->toolTip(), names[index]);
        } else {
            QVERIFY2(button->toolTip().isEmpty(), qPrintable(name));
        }
    }
}

void TestMenuScreen::buttonsAskForTheirScreens_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QVariantList>("arguments");
    QTest::newRow("speed mode") << QStringLiteral("Command4(0)")
                                << QByteArray(SIGNAL(modeChosen(int))) << QVariantList{0};
    QTest::newRow("careful mode") << QStringLiteral("Command4(1)")
                                  << QByteArray(SIGNAL(modeChosen(int))) << QVariantList{1};
    QTest::newRow("how to play") << QStringLiteral("Command2")
                                 << QByteArray(SIGNAL(howToPlayChosen())) << QVariantList{};
    QTest::newRow("end") << QStringLiteral("Command3") << QByteArray(SIGNAL(endChosen()))
                         << QVariantList{};
}

void TestMenuScreen::buttonsAskForTheirScreens() {
    QFETCH(QString, button);
    QFETCH(QByteArray, signal);
    QFETCH(QVariantList, arguments);
    QSignalSpy spy(m_menu.get(), signal.constData());
    click(m_menu.get(), QStringLiteral("Command1(0)")); // the mode buttons need a radical
    click(m_menu.get(), button);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first(), arguments);
}

QTEST_MAIN(TestMenuScreen)
#include "test_menu_screen.moc"
