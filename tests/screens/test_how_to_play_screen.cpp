#include "screen_test_support.h"
#include "screens/how_to_play_screen.h"
#include "shell/content_paths.h"
#include "tests/support/screen_rig.h"

#include <QListWidget>

using namespace screen_test;

namespace {

QStringList entries(const QObject* screen) {
    QStringList lines;
    auto* list = control<QListWidget>(screen, QStringLiteral("List1"));
    for (int i = 0; list && i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

} // namespace

// The how-to-play screen opened from the menu as the player does, on a text the test writes.
class TestHowToPlayScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void showsTheLinesOfTheFile_data();
    void showsTheLinesOfTheFile();
    void openedTwiceShowsTheFileOnce();
    void showsAChangedFileAtTheNextOpening();
    void missingFileReachesTheReporterWithItsName();
    void listIsWhiteOnNavyInTwelvePointMincho();

private:
    void openFromMenu();

    std::unique_ptr<ScreenRig> m_rig;
};

void TestHowToPlayScreen::init() {
    m_rig = std::make_unique<ScreenRig>();
    QVERIFY(m_rig->content.isValid());
    m_rig->start();
}

void TestHowToPlayScreen::cleanup() {
    m_rig.reset();
}

void TestHowToPlayScreen::openFromMenu() {
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    click(m_rig->screen(), QStringLiteral("Command2"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::HowToPlay);
}

void TestHowToPlayScreen::showsTheLinesOfTheFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("blank lines in the middle")
        << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringList{"a", "", "", "b"};
    QTest::newRow("no final line end")
        << QByteArray("first\r\nlast") << QStringList{"first", "last"};
    QTest::newRow("final line end adds no entry") << QByteArray("only\r\n") << QStringList{"only"};
    // "遊び方" and "ある" in code page 932.
    QTest::newRow("code page 932") << QByteArray("\x97\x56\x82\xd1\x95\xfb\r\n\x82\xa0\x82\xe9\r\n")
                                   << QStringList{QStringLiteral("遊び方"), QStringLiteral("ある")};
}

// Guards the line rules through the real list: a lost last line, a stray empty entry at the
// end, blank lines dropped, or bytes shown undecoded.
void TestHowToPlayScreen::showsTheLinesOfTheFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    m_rig->content.writeHowToPlay(bytes);
    openFromMenu();
    QCOMPARE(entries(m_rig->screen()), lines);
    QVERIFY(m_rig->reporter.files.isEmpty());
}

void TestHowToPlayScreen::openedTwiceShowsTheFileOnce() {
    m_rig->content.writeHowToPlay("one\r\ntwo\r\n");
    openFromMenu();
    click(m_rig->screen(), QStringLiteral("Command1"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    openFromMenu();
    QCOMPARE(entries(m_rig->screen()), (QStringList{"one", "two"}));
}

void TestHowToPlayScreen::showsAChangedFileAtTheNextOpening() {
    m_rig->content.writeHowToPlay("old\r\n");
    openFromMenu();
    m_rig->content.writeHowToPlay("new\r\n");
    click(m_rig->screen(), QStringLiteral("Command1"));
    QCoreApplication::processEvents();
    openFromMenu();
    QCOMPARE(entries(m_rig->screen()), QStringList{"new"});
}

void TestHowToPlayScreen::missingFileReachesTheReporterWithItsName() {
    click(m_rig->screen(), QStringLiteral("Command2"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->reporter.files,
             QStringList{content_paths::howToPlayFile(m_rig->content.appPath())});
    QVERIFY(m_rig->navigator->errorPath().failed());
}

void TestHowToPlayScreen::listIsWhiteOnNavyInTwelvePointMincho() {
    m_rig->content.writeHowToPlay("x\r\n");
    openFromMenu();
    auto* list = control<QListWidget>(m_rig->screen(), QStringLiteral("List1"));
    QVERIFY(list);
    QCOMPARE(list->palette().color(QPalette::Base), QColor(0, 0, 128));
    QCOMPARE(list->palette().color(QPalette::Text), QColor(Qt::white));
    QCOMPARE(list->font().family(), QStringLiteral("ＭＳ 明朝"));
    QCOMPARE(list->font().pointSize(), 12);
    QVERIFY(!list->isSortingEnabled());
}

QTEST_MAIN(TestHowToPlayScreen)
#include "test_how_to_play_screen.moc"
