#include "screen_test_support.h"
#include "screens/screen_window.h"
#include "shell/content_paths.h"
#include "tests/support/screen_rig.h"

#include <QFile>

#include <QApplication>
#include <QGroupBox>
#include <QPointer>
#include <QSignalSpy>

using namespace screen_test;

namespace {

QList<QWidget*> visibleWindows() {
    QList<QWidget*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            shown << widget;
    return shown;
}

} // namespace

// Screen changes through the navigator, driven by clicks on the real screens.
class TestNavigator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void menuIsTheFirstScreen();
    void everyChangeLeavesOneScreenOpen_data();
    void everyChangeLeavesOneScreenOpen();
    void theMenuIsFreshAfterComingBack();
    void aSecondClickBeforeTheChangeOpensOneScreen();
    void closingAWindowRequestsTheEnd_data();
    void closingAWindowRequestsTheEnd();
    void navigatingNeverRequestsTheEnd();
    void endButtonEndsAtOnce();
    void aChangeAskedForJustBeforeTheCloseBoxShowsNothing();
    void leavingAPlayScreenStopsItsTimers();
    void aFaultAtLoadShowsNoHalfLoadedScreen();

private:
    void go(const QString& button);

    std::unique_ptr<ScreenRig> m_rig;
};

void TestNavigator::initTestCase() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void TestNavigator::init() {
    m_rig = std::make_unique<ScreenRig>();
    QVERIFY(m_rig->content.isValid());
    for (int radical = 1; radical <= 6; ++radical) {
        m_rig->content.writeList(radical, 'o', test_files::range(1, 20));
        m_rig->content.writeList(radical, 'x', test_files::range(101, 20));
    }
    m_rig->content.writeCharacterPictures(test_files::range(1, 20) + test_files::range(101, 20));
    m_rig->content.writeHowToPlay("rules\r\n");
    m_rig->start();
}

void TestNavigator::cleanup() {
    m_rig.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(visibleWindows().isEmpty());
}

void TestNavigator::go(const QString& button) {
    click(m_rig->screen(), button);
    QCoreApplication::processEvents();
}

void TestNavigator::menuIsTheFirstScreen() {
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    QCOMPARE(visibleWindows(), QList<QWidget*>{m_rig->screen()});
    QCOMPARE(m_rig->screen()->windowTitle(), QStringLiteral("メニュー"));
}

void TestNavigator::everyChangeLeavesOneScreenOpen_data() {
    QTest::addColumn<QStringList>("radicalFirst");
    QTest::addColumn<QString>("button");
    QTest::addColumn<Screen>("target");
    QTest::addColumn<QString>("title");
    QTest::newRow("how to play") << QStringList{} << QStringLiteral("Command2") << Screen::HowToPlay
                                 << QStringLiteral("遊び方");
    QTest::newRow("speed mode") << QStringList{"Command1(1)"} << QStringLiteral("Command4(0)")
                                << Screen::Speed << QStringLiteral("にんべん");
    QTest::newRow("careful mode") << QStringList{"Command1(3)"} << QStringLiteral("Command4(1)")
                                  << Screen::Careful << QStringLiteral("いとへん");
}

// Guards the unload-then-show order: the old window is destroyed, exactly one is shown, and
// its back button returns to the menu.
void TestNavigator::everyChangeLeavesOneScreenOpen() {
    QFETCH(QStringList, radicalFirst);
    QFETCH(QString, button);
    QFETCH(Screen, target);
    QFETCH(QString, title);
    for (const QString& radical : radicalFirst)
        go(radical);
    QPointer<ScreenWindow> menu = m_rig->screen();
    go(button);
    QVERIFY(menu.isNull());
    QCOMPARE(m_rig->navigator->currentKind(), target);
    QCOMPARE(visibleWindows(), QList<QWidget*>{m_rig->screen()});
    QCOMPARE(m_rig->screen()->windowTitle(), title);

    QPointer<ScreenWindow> left = m_rig->screen();
    go(QStringLiteral("Command1"));
    QVERIFY(left.isNull());
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    QCOMPARE(visibleWindows(), QList<QWidget*>{m_rig->screen()});
    QVERIFY(m_rig->reporter.files.isEmpty());
}

void TestNavigator::theMenuIsFreshAfterComingBack() {
    go(QStringLiteral("Command1(2)"));
    go(QStringLiteral("Command4(1)"));
    go(QStringLiteral("Command1"));
    auto* frame = control<QGroupBox>(m_rig->screen(), QStringLiteral("Frame1"));
    QVERIFY(frame);
    QVERIFY(frame->isHidden());
    QVERIFY(frame->title().isEmpty());
    // The shared state still holds the radical chosen before.
    QCOMPARE(m_rig->navigator->shared().radicalNo, 3);
}

void TestNavigator::aSecondClickBeforeTheChangeOpensOneScreen() {
    click(m_rig->screen(), QStringLiteral("Command2"));
    click(m_rig->screen(), QStringLiteral("Command2"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::HowToPlay);
    QCOMPARE(visibleWindows().size(), 1);
}

void TestNavigator::closingAWindowRequestsTheEnd_data() {
    QTest::addColumn<QStringList>("path");
    QTest::newRow("menu") << QStringList{};
    QTest::newRow("how to play") << QStringList{"Command2"};
    QTest::newRow("careful") << QStringList{"Command1(0)", "Command4(1)"};
    QTest::newRow("speed") << QStringList{"Command1(0)", "Command4(0)"};
}

void TestNavigator::closingAWindowRequestsTheEnd() {
    QFETCH(QStringList, path);
    QSignalSpy quit(m_rig->navigator.get(), &Navigator::quitRequested);
    for (const QString& button : path)
        go(button);
    QCOMPARE(quit.size(), 0);
    QVERIFY(m_rig->screen()->close());
    QCOMPARE(quit.size(), 1);
    QCOMPARE(quit.first().first().toInt(), 0);
    for (QTimer* timer : m_rig->screen()->findChildren<QTimer*>())
        QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
}

void TestNavigator::navigatingNeverRequestsTheEnd() {
    QSignalSpy quit(m_rig->navigator.get(), &Navigator::quitRequested);
    const QStringList tour{"Command2", "Command1",    "Command1(5)", "Command4(0)",
                           "Command1", "Command1(4)", "Command4(1)", "Command1"};
    for (const QString& button : tour)
        go(button);
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    QCOMPARE(quit.size(), 0);
}

void TestNavigator::endButtonEndsAtOnce() {
    QSignalSpy quit(m_rig->navigator.get(), &Navigator::quitRequested);
    click(m_rig->screen(), QStringLiteral("Command3"));
    QCOMPARE(quit.size(), 1);
    QCOMPARE(quit.first().first().toInt(), 0);
}

void TestNavigator::aChangeAskedForJustBeforeTheCloseBoxShowsNothing() {
    click(m_rig->screen(), QStringLiteral("Command2"));
    QVERIFY(m_rig->screen()->close());
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    QVERIFY(visibleWindows().isEmpty());
}

void TestNavigator::leavingAPlayScreenStopsItsTimers() {
    go(QStringLiteral("Command1(0)"));
    go(QStringLiteral("Command4(0)"));
    QVERIFY(isRunning(m_rig->screen(), QStringLiteral("Timer3")));
    QList<QPointer<QTimer>> timers;
    for (QTimer* timer : m_rig->screen()->findChildren<QTimer*>())
        timers << timer;
    QCOMPARE(timers.size(), 6);
    go(QStringLiteral("Command1"));
    for (const QPointer<QTimer>& timer : timers)
        QVERIFY(timer.isNull()); // destroyed with their screen
}

// The careful screen's load needs the radical picture; without it the fault is reported and
// the half-loaded screen is never shown, nor is any screen built after it.
void TestNavigator::aFaultAtLoadShowsNoHalfLoadedScreen() {
    QVERIFY(QFile::remove(content_paths::radicalPicture(m_rig->content.appPath(), 1)));
    go(QStringLiteral("Command1(0)"));
    go(QStringLiteral("Command4(1)"));
    QCOMPARE(m_rig->reporter.files,
             QStringList{content_paths::radicalPicture(m_rig->content.appPath(), 1)});
    QVERIFY(visibleWindows().isEmpty());
    m_rig->navigator->open(Screen::Menu);
    QCoreApplication::processEvents();
    QVERIFY(visibleWindows().isEmpty());
}

QTEST_MAIN(TestNavigator)
#include "test_navigator.moc"
