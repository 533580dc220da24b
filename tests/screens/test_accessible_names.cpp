#include "play_screen_probe.h"
#include "screens/navigator.h"
#include "screens/picture_button.h"
#include "screens/screen_window.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_random.h"

#include <QGroupBox>
#include <QListWidget>

using namespace screen_test;

namespace {

using Names = QMap<QString, QString>; // control name -> accessible name

// Every picture button, and every picture that the player can see, has a name for screen
// readers; the buttons also say what they do.
void checkEveryPictureIsNamed(const QWidget* window) {
    for (const PictureButton* button : window->findChildren<PictureButton*>()) {
        QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
        QVERIFY2(!button->accessibleDescription().isEmpty(), qPrintable(button->objectName()));
    }
    for (const ImageControl* image : window->findChildren<ImageControl*>())
        if (image->isVisible() && !image->image().isNull())
            QVERIFY2(!image->accessibleName().isEmpty(), qPrintable(image->objectName()));
}

void checkNames(const QWidget* window, const Names& expected) {
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        const QWidget* widget = control(window, it.key());
        QVERIFY2(widget, qPrintable(it.key()));
        QCOMPARE(widget->accessibleName(), it.value());
    }
}

} // namespace

// What a screen reader reads on every screen, through the real widgets.
class TestAccessibleNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void menuAndHowToPlay();
    void carefulScreenThroughAGame();
    void speedScreenCountdown();

private:
    QWidget* screen() const { return m_navigator->currentScreen(); }

    std::unique_ptr<TestContent> m_content;
    FakeClock m_clock{36000.0};
    ScriptedRandom m_random;
    RecordingReporter m_reporter;
    std::unique_ptr<Navigator> m_navigator;
};

void TestAccessibleNames::init() {
    m_content = std::make_unique<TestContent>();
    QVERIFY(m_content->isValid());
    m_content->writeList(6, 'o', test_files::range(1, 40));
    m_content->writeList(6, 'x', test_files::range(101, 40));
    m_content->writeCharacterPictures(test_files::range(1, 40) + test_files::range(101, 40));
    m_content->writeHowToPlay("1\r\n");
    m_clock = FakeClock(36000.0);
    m_navigator = std::make_unique<Navigator>(m_content->appPath(), m_clock, m_random, m_reporter);
    m_navigator->start();
}

void TestAccessibleNames::cleanup() {
    QVERIFY(m_reporter.files.isEmpty());
    m_navigator.reset();
}

void TestAccessibleNames::menuAndHowToPlay() {
    checkNames(screen(), {{"Command1(0)", "ごんべん"},
                          {"Command1(1)", "にんべん"},
                          {"Command1(2)", "てへん"},
                          {"Command1(3)", "いとへん"},
                          {"Command1(4)", "きへん"},
                          {"Command1(5)", "さんずい"},
                          {"Command2", "遊び方"},
                          {"Command3", "終了"},
                          {"Command4(0)", "スピードモード"},
                          {"Command4(1)", "じっくりモード"}});
    checkEveryPictureIsNamed(screen());
    click(screen(), QStringLiteral("Command1(5)"));
    QCOMPARE(control(screen(), QStringLiteral("Frame1"))->accessibleName(),
             QStringLiteral("さんずい"));

    click(screen(), QStringLiteral("Command2"));
    QCoreApplication::processEvents();
    QCOMPARE(m_navigator->currentKind(), Screen::HowToPlay);
    checkNames(screen(), {{"Command1", "メニュー"}, {"List1", "遊び方"}});
    checkEveryPictureIsNamed(screen());
}

void TestAccessibleNames::carefulScreenThroughAGame() {
    click(screen(), QStringLiteral("Command1(5)"));
    click(screen(), QStringLiteral("Command4(1)"));
    QCoreApplication::processEvents();
    QCOMPARE(m_navigator->currentKind(), Screen::Careful);
    PlayScreenProbe probe(screen());
    checkNames(screen(), {{"Command1", "メニュー"},
                          {"Command2(0)", "ある"},
                          {"Command2(1)", "ない"},
                          {"Command3", "再挑戦"},
                          {"Image2", "さんずい"},
                          {"Image4", "じっくりモード"},
                          {"Label2", "第 1 問"},
                          {"Label1", ""}});
    checkEveryPictureIsNamed(screen());
    QVERIFY(!probe.accessibleName("Picture1").isEmpty());
    QVERIFY(control(screen(), QStringLiteral("Picture1"))
                ->accessibleDescription()
                .contains("赤のマス"));

    // The labels follow the game: 90 right answers, then 10 wrong, to the silver medal.
    for (int q = 1; q <= 100; ++q) {
        const bool real = probe.character() <= 40;
        click(screen(), QStringLiteral("Command2(%1)").arg(real == (q <= 90) ? 0 : 1));
        QCOMPARE(probe.accessibleName("Label1"),
                 QStringLiteral("正解率 %1 %").arg(100 * std::min(q, 90) / q));
        QCOMPARE(probe.accessibleName("Label2"),
                 QStringLiteral("第 %1 問").arg(std::min(q + 1, 100)));
    }
    m_clock.advance(1.0);
    tickRunningTimers(screen());
    QVERIFY(probe.shown("Image5"));
    QCOMPARE(probe.accessibleName("Image5"), QStringLiteral("銀メダル"));
    // The rating and the gauge both say that the gauge now reviews the game.
    const QString hint = QStringLiteral("ゲージのマスを指すと、その問題を振り返れます");
    QCOMPARE(control(screen(), QStringLiteral("Image5"))->accessibleDescription(), hint);
    QVERIFY(control(screen(), QStringLiteral("Picture1"))->accessibleDescription().contains(hint));
    checkEveryPictureIsNamed(screen());

    click(screen(), QStringLiteral("Command3"));
    QVERIFY(!control(screen(), QStringLiteral("Picture1"))->accessibleDescription().contains(hint));
    QCOMPARE(probe.accessibleName("Label1"), QString());
    QCOMPARE(probe.accessibleName("Label2"), QStringLiteral("第 1 問"));
}

void TestAccessibleNames::speedScreenCountdown() {
    click(screen(), QStringLiteral("Command1(5)"));
    click(screen(), QStringLiteral("Command4(0)"));
    QCoreApplication::processEvents();
    QCOMPARE(m_navigator->currentKind(), Screen::Speed);
    checkNames(screen(), {{"Image4", "スピードモード"}, {"Image6", "カウントダウン 3"}});
    checkEveryPictureIsNamed(screen());
}

QTEST_MAIN(TestAccessibleNames)
#include "test_accessible_names.moc"
