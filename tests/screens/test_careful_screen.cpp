#include "play_screen_probe.h"
#include "screens/screen_window.h"
#include "shell/content_paths.h"
#include "tests/support/screen_rig.h"

using namespace screen_test;

namespace {

// Radical 3's lists: real characters 1 to 40, made-up ones 101 to 140.
constexpr int kLastO = 40;

int exactScore(int correct, int questions) {
    return 100 * correct / questions;
}

} // namespace

// Whole careful games clicked through the real screen, offscreen, with a fake clock and a
// scripted random source; labels, pictures, gauge, sounds and visibility checked at each state.
class TestCarefulScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void loadStartsAGameAtOnce();
    void wholeGameToTheCrowAndAnotherGame();
    void ratingPicturesAtTheirBoundaries_data();
    void ratingPicturesAtTheirBoundaries();
    void backToTheMenuInTheMiddleStartsAfreshNextTime();
    void missingCharacterPictureReachesTheReporter();

private:
    void openCareful();
    /// Answers the question on screen, right or wrong, and checks what the press shows.
    void answer(bool right);
    void tick(double seconds);
    QWidget* screen() const { return m_rig->screen(); }

    std::unique_ptr<ScreenRig> m_rig;
    int m_correct = 0;
    int m_wrong = 0;
};

void TestCarefulScreen::init() {
    m_rig = std::make_unique<ScreenRig>();
    QVERIFY(m_rig->content.isValid());
    m_rig->content.writeList(3, 'o', test_files::range(1, kLastO));
    m_rig->content.writeList(3, 'x', test_files::range(101, 40));
    m_rig->content.writeCharacterPictures(test_files::range(1, kLastO) +
                                          test_files::range(101, 40));
    m_rig->start();
    m_correct = m_wrong = 0;
}

void TestCarefulScreen::cleanup() {
    QVERIFY(m_rig->reporter.files.isEmpty() ||
            QTest::currentTestFunction() ==
                QByteArray("missingCharacterPictureReachesTheReporter"));
    m_rig.reset();
}

void TestCarefulScreen::openCareful() {
    click(screen(), QStringLiteral("Command1(2)"));
    click(screen(), QStringLiteral("Command4(1)"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Careful);
}

void TestCarefulScreen::answer(bool right) {
    PlayScreenProbe probe(screen());
    const int character = probe.character();
    const bool real = character <= kLastO;
    const int question = probe.text("Label2").toInt();
    click(screen(), QStringLiteral("Command2(%1)").arg(real == right ? 0 : 1));
    if (right)
        ++m_correct;
    else
        ++m_wrong;
    QCOMPARE(probe.lastSound(),
             content_paths::sound(m_rig->content.appPath(), right ? u"o.wav" : u"x.wav"));
    QCOMPARE(probe.cell(right ? gauge::kCells + 1 - m_correct : m_wrong),
             right ? artwork::kGaugeGreen : artwork::kGaugeRed);
    const QString score = QString::number(exactScore(m_correct, question));
    QCOMPARE(probe.text("Label1"), score);
    QCOMPARE(probe.accessibleName("Label1"), QStringLiteral("正解率 %1 %").arg(score));
    if (question < 100) {
        QCOMPARE(probe.text("Label2"), QString::number(question + 1));
        QCOMPARE(probe.accessibleName("Label2"), QStringLiteral("第 %1 問").arg(question + 1));
    }
    QVERIFY(!(probe.shown("Command3") && probe.shown("Image4")));
}

void TestCarefulScreen::tick(double seconds) {
    m_rig->clock.advance(seconds);
    tickRunningTimers(screen());
}

void TestCarefulScreen::loadStartsAGameAtOnce() {
    openCareful();
    PlayScreenProbe probe(screen());
    QCOMPARE(screen()->windowTitle(), QStringLiteral("てへん"));
    QVERIFY(probe.shown("Image2"));
    QCOMPARE(probe.picture("Image2"), TestContent::radicalColour(3));
    QCOMPARE(probe.accessibleName("Image2"), QStringLiteral("てへん"));
    QCOMPARE(probe.text("Label2"), QStringLiteral("1"));
    QVERIFY(probe.text("Label1").isEmpty());
    QCOMPARE(probe.accessibleName("Label2"), QStringLiteral("第 1 問"));
    QVERIFY(probe.shown("Image3"));
    const int character = probe.character();
    QVERIFY((character >= 1 && character <= 40) || (character >= 101 && character <= 140));
    QCOMPARE(probe.picture("Image3"), TestContent::characterColour(character));
    QVERIFY(probe.runningTimers().isEmpty());
    QVERIFY(probe.shown("Image4"));
    QVERIFY(!probe.shown("Command3") && !probe.shown("Image5"));
    QVERIFY(probe.gaugeShows(0, 0));
}

// One full game: 70 right answers and 30 wrong, interleaved, to the crow; then another game.
void TestCarefulScreen::wholeGameToTheCrowAndAnotherGame() {
    openCareful();
    PlayScreenProbe probe(screen());
    for (int q = 1; q <= 100; ++q) {
        answer(q % 10 < 7);
        if (QTest::currentTestFailed())
            return;
        if (q < 100)
            QVERIFY(probe.runningTimers().isEmpty());
    }
    // Ending: the end-of-game wait runs, the gauge is full, presses do nothing.
    QCOMPARE(probe.runningTimers(), QStringList{"Timer2"});
    QVERIFY(probe.running("Timer2"));
    QCOMPARE(probe.text("Label1"), QStringLiteral("70"));
    QCOMPARE(probe.text("Label2"), QStringLiteral("100"));
    QVERIFY(probe.gaugeShows(70, 30));
    const QImage fullGauge = probe.gauge();
    click(screen(), QStringLiteral("Command2(0)"));
    click(screen(), QStringLiteral("Command2(1)"));
    QCOMPARE(probe.gauge(), fullGauge);
    QCOMPARE(probe.text("Label1"), QStringLiteral("70"));

    // The wait started at 36000 ends at the first tick one second or more later.
    tick(0.9);
    QVERIFY(!probe.shown("Image5"));
    QVERIFY(probe.shown("Image4") && !probe.shown("Command3"));
    tick(0.1);
    // Rated: the crow with its call, the fail sound one second later.
    QVERIFY(probe.shown("Image5"));
    QCOMPARE(probe.picture("Image5"), TestContent::namedColour(QStringLiteral("karasu.gif")));
    QCOMPARE(screen_test::control(screen(), QStringLiteral("Image5"))->accessibleName(),
             QStringLiteral("カラス（不合格）"));
    QCOMPARE(probe.lastSound(), content_paths::sound(m_rig->content.appPath(), u"karasu.wav"));
    QVERIFY(!probe.shown("Image2") && !probe.shown("Image3") && !probe.shown("Image4"));
    QVERIFY(probe.shown("Command3"));
    QCOMPARE(probe.runningTimers(), QStringList{"Timer1"});
    tick(1.0);
    QCOMPARE(probe.lastSound(), content_paths::sound(m_rig->content.appPath(), u"dame.wav"));
    QVERIFY(probe.runningTimers().isEmpty());

    // Another game: banner back, labels and gauge fresh, the first question shown.
    click(screen(), QStringLiteral("Command3"));
    QVERIFY(!probe.shown("Command3") && !probe.shown("Image5"));
    QVERIFY(probe.shown("Image4") && probe.shown("Image2") && probe.shown("Image3"));
    QCOMPARE(probe.text("Label2"), QStringLiteral("1"));
    QVERIFY(probe.text("Label1").isEmpty());
    QCOMPARE(screen()->windowTitle(), QStringLiteral("てへん"));
    QVERIFY(probe.gaugeShows(0, 0));
}

void TestCarefulScreen::ratingPicturesAtTheirBoundaries_data() {
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    QTest::newRow("74 crow") << 74 << "karasu.gif"
                             << "カラス（不合格）";
    QTest::newRow("75 copper") << 75 << "cmedal.gif"
                               << "銅メダル";
    QTest::newRow("85 silver") << 85 << "smedal.gif"
                               << "銀メダル";
    QTest::newRow("95 gold") << 95 << "gmedal.gif"
                             << "金メダル";
}

void TestCarefulScreen::ratingPicturesAtTheirBoundaries() {
    QFETCH(int, right);
    QFETCH(QString, picture);
    QFETCH(QString, name);
    openCareful();
    PlayScreenProbe probe(screen());
    for (int q = 1; q <= 100; ++q) {
        answer(q <= right);
        if (QTest::currentTestFailed())
            return;
    }
    tick(1.0);
    QVERIFY(probe.shown("Image5"));
    QCOMPARE(probe.picture("Image5"), TestContent::namedColour(picture));
    // The 50 x 60 picture is scaled to the whole of Image5, 184 x 225.
    QVERIFY(probe.fills("Image5", TestContent::namedColour(picture)));
    QCOMPARE(screen_test::control(screen(), QStringLiteral("Image5"))->accessibleName(), name);
    QVERIFY(probe.gaugeShows(right, 100 - right));
}

void TestCarefulScreen::backToTheMenuInTheMiddleStartsAfreshNextTime() {
    openCareful();
    for (int q = 1; q <= 12 && !QTest::currentTestFailed(); ++q)
        answer(q % 2 == 0);
    click(screen(), QStringLiteral("Command1"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Menu);
    openCareful();
    PlayScreenProbe probe(screen());
    QCOMPARE(probe.text("Label2"), QStringLiteral("1"));
    QVERIFY(probe.text("Label1").isEmpty());
    QVERIFY(probe.gaugeShows(0, 0));
}

void TestCarefulScreen::missingCharacterPictureReachesTheReporter() {
    QFile::remove(content_paths::characterPicture(m_rig->content.appPath(), 7));
    QFile::remove(content_paths::characterPicture(m_rig->content.appPath(), 107));
    openCareful();
    for (int q = 0; q < 100 && m_rig->reporter.files.isEmpty(); ++q)
        click(screen(), QStringLiteral("Command2(0)"));
    QVERIFY(!m_rig->reporter.files.isEmpty());
    QVERIFY(m_rig->reporter.files.first().endsWith(QLatin1String("b7.gif")) ||
            m_rig->reporter.files.first().endsWith(QLatin1String("b107.gif")));
    // Nothing acts any more.
    const QString label = PlayScreenProbe(screen()).text("Label2");
    click(screen(), QStringLiteral("Command2(0)"));
    QCOMPARE(PlayScreenProbe(screen()).text("Label2"), label);
    QCOMPARE(m_rig->reporter.files.size(), 1);
}

QTEST_MAIN(TestCarefulScreen)
#include "test_careful_screen.moc"
