#include "play_screen_probe.h"
#include "screens/gauge_box.h"
#include "screens/picture_button.h"
#include "screens/screen_window.h"
#include "tests/support/screen_rig.h"

#include <QAccessible>
#include <QGroupBox>
#include <QListWidget>

using namespace screen_test;

namespace {

using Names = QMap<QString, QString>; // control name -> accessible name

QAccessible::Role roleOf(QObject* object) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->role() : QAccessible::NoRole;
}

// Every picture button, and every picture that the player can see, has a name for screen
// readers; the buttons also say what they do. Pictures and the gauge are images to screen
// readers, which skip a filler.
void checkEveryPictureIsNamed(const QWidget* window) {
    for (const PictureButton* button : window->findChildren<PictureButton*>()) {
        QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
        QVERIFY2(!button->accessibleDescription().isEmpty(), qPrintable(button->objectName()));
    }
    for (ImageControl* image : window->findChildren<ImageControl*>()) {
        QVERIFY2(roleOf(image) == QAccessible::Graphic, qPrintable(image->objectName()));
        if (image->isVisible() && !image->image().isNull())
            QVERIFY2(!image->accessibleName().isEmpty(), qPrintable(image->objectName()));
    }
    for (GaugeBox* gauge : window->findChildren<GaugeBox*>())
        QCOMPARE(roleOf(gauge), QAccessible::Graphic);
}

void checkNames(const QWidget* window, const Names& expected) {
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QCOMPARE(control(window, it.key())->accessibleName(), it.value());
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
    QWidget* screen() const { return m_rig->screen(); }

    std::unique_ptr<ScreenRig> m_rig;
};

void TestAccessibleNames::init() {
    m_rig = std::make_unique<ScreenRig>();
    QVERIFY(m_rig->content.isValid());
    m_rig->content.writeList(6, 'o', test_files::range(1, 40));
    m_rig->content.writeList(6, 'x', test_files::range(101, 40));
    m_rig->content.writeCharacterPictures(test_files::range(1, 40) + test_files::range(101, 40));
    m_rig->content.writeHowToPlay("1\r\n");
    m_rig->start();
}

void TestAccessibleNames::cleanup() {
    QVERIFY(m_rig->reporter.files.isEmpty());
    m_rig.reset();
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
    QCOMPARE(m_rig->navigator->currentKind(), Screen::HowToPlay);
    checkNames(screen(), {{"Command1", "メニュー"}, {"List1", "遊び方"}});
    checkEveryPictureIsNamed(screen());
}

void TestAccessibleNames::carefulScreenThroughAGame() {
    click(screen(), QStringLiteral("Command1(5)"));
    click(screen(), QStringLiteral("Command4(1)"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Careful);
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

    // The question's picture says what it shows (this content has no kanji table, so the
    // radical and the picture's file), and a notification tells each question and judgement.
    auto* announcer = control(screen(), QStringLiteral("Announcer"));
    QCOMPARE(roleOf(announcer), QAccessible::Notification);
    const auto shows = [&probe] {
        return QStringLiteral("さんずい＋b%1.gif").arg(probe.character());
    };
    QCOMPARE(probe.accessibleName("Image3"), shows());
    QCOMPARE(announcer->accessibleName(), QStringLiteral("第 1 問　") + shows());

    // The labels follow the game: 90 right answers, then 10 wrong, to the silver medal.
    for (int q = 1; q <= 100; ++q) {
        const bool real = probe.character() <= 40;
        const QString before = probe.accessibleName("Image3");
        click(screen(), QStringLiteral("Command2(%1)").arg(real == (q <= 90) ? 0 : 1));
        QCOMPARE(probe.accessibleName("Label1"),
                 QStringLiteral("正解率 %1 %").arg(100 * std::min(q, 90) / q));
        QCOMPARE(probe.accessibleName("Label2"),
                 QStringLiteral("第 %1 問").arg(std::min(q + 1, 100)));
        const QString judgement = q <= 90 ? QStringLiteral("正解") : QStringLiteral("不正解");
        if (q == 100) {
            QCOMPARE(announcer->accessibleName(), judgement);
            break;
        }
        QCOMPARE(probe.accessibleName("Image3"), shows());
        QVERIFY(probe.accessibleName("Image3") != before);
        QCOMPARE(announcer->accessibleName(),
                 QStringLiteral("%1。第 %2 問　%3").arg(judgement).arg(q + 1).arg(shows()));
    }
    m_rig->clock.advance(1.0);
    tickRunningTimers(screen());
    QVERIFY(probe.shown("Image5"));
    QCOMPARE(probe.accessibleName("Image5"), QStringLiteral("銀メダル"));
    QCOMPARE(announcer->accessibleName(),
             QStringLiteral("銀メダル。正解率 90 %。V キーで全問を振り返れます"));
    // The rating says how to open the review, the gauge that its cells now review the game.
    QCOMPARE(control(screen(), QStringLiteral("Image5"))->accessibleDescription(),
             QStringLiteral("クリックするか V キーで、全問を振り返れます"));
    const QString hint = QStringLiteral("ゲージのマスを指すと、その問題を振り返れます");
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
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Speed);
    checkNames(
        screen(),
        {{"Command1", "メニュー"}, {"Image4", "スピードモード"}, {"Image6", "カウントダウン 3"}});
    checkEveryPictureIsNamed(screen());
}

QTEST_MAIN(TestAccessibleNames)
#include "test_accessible_names.moc"
