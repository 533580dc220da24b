#include "artwork/gauge_art.h"
#include "facts/play_layout.h"
#include "screen_test_support.h"
#include "screens/careful_screen.h"
#include "screens/control_geometry.h"
#include "screens/gauge_box.h"
#include "screens/how_to_play_layout.h"
#include "screens/how_to_play_screen.h"
#include "screens/menu_layout.h"
#include "screens/menu_screen.h"
#include "screens/picture_button.h"
#include "screens/speed_screen.h"
#include "tests/support/screen_rig.h"

#include <QGroupBox>
#include <QLabel>
#include <string_view>

using namespace screen_test;

namespace {

// The next control that the Tab key reaches from `widget`.
QWidget* nextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->isVisible() && (next->focusPolicy() & Qt::TabFocus)))
        next = next->nextInFocusChain();
    return next;
}

} // namespace

// The four screens as they are built, before any load: sizes, places, stacking, focus, colours
// and fonts.
class TestScreenLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void windowsHaveTheirFixedClientSizeAndColour_data();
    void windowsHaveTheirFixedClientSizeAndColour();
    void twipsBecomeWholePixels_data();
    void twipsBecomeWholePixels();
    void controlsStandWhereTheirTablePutsThem_data();
    void controlsStandWhereTheirTablePutsThem();
    void picturesAndGaugeStandOnTheirPlacesOfThePanel_data();
    void picturesAndGaugeStandOnTheirPlacesOfThePanel();
    void picturesAreDrawnAtTheirOwnSize_data();
    void picturesAreDrawnAtTheirOwnSize();
    void frontToBackOrder_data();
    void frontToBackOrder();
    void focusAndTabOrder_data();
    void focusAndTabOrder();
    void playScreensStartInTheirCreatedState_data();
    void playScreensStartInTheirCreatedState();
    void labelsUseTheirFontsAndColours();
    void modeFrameCaptionIsLargeAndInItsStrip();

private:
    ScreenWindow* screen(const QString& name);

    std::unique_ptr<ScreenRig> m_rig;
    SharedState m_shared;
    GameState m_state;
    std::unique_ptr<ScreenWindow> m_screen;
};

void TestScreenLayout::init() {
    m_rig = std::make_unique<ScreenRig>();
    // No content: the screens are looked at as they are built, before any load.
    m_shared.appPath = QStringLiteral("/nowhere");
    m_shared.radicalNo = 1;
}

void TestScreenLayout::cleanup() {
    m_screen.reset();
    m_rig.reset();
}

ScreenWindow* TestScreenLayout::screen(const QString& name) {
    if (name == QLatin1String("menu"))
        m_screen = std::make_unique<MenuScreen>(m_shared, m_rig->errorPath);
    else if (name == QLatin1String("how to play"))
        m_screen = std::make_unique<HowToPlayScreen>(m_shared.appPath, m_rig->errorPath);
    else if (name == QLatin1String("careful"))
        m_screen = std::make_unique<CarefulScreen>(m_shared, m_state, m_rig->random, m_rig->clock,
                                                   m_rig->errorPath);
    else
        m_screen = std::make_unique<SpeedScreen>(m_shared, m_state, m_rig->random, m_rig->clock,
                                                 m_rig->errorPath);
    m_screen->show();
    return m_screen.get();
}

void TestScreenLayout::windowsHaveTheirFixedClientSizeAndColour_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("menu") << "menu" << QSize(768, 480) << QColor(128, 128, 255);
    QTest::newRow("how to play") << "how to play" << QSize(766, 478) << QColor(128, 128, 255);
    QTest::newRow("careful") << "careful" << QSize(766, 478) << QColor(255, 128, 128);
    QTest::newRow("speed") << "speed" << QSize(766, 478) << QColor(255, 128, 128);
}

void TestScreenLayout::windowsHaveTheirFixedClientSizeAndColour() {
    QFETCH(QString, screen);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    ScreenWindow* window = this->screen(screen);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), size);
    QCOMPARE(window->maximumSize(), size);
    QCOMPARE(window->palette().color(QPalette::Window), colour);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());
}

// Guards: a conversion that drops the fraction, or rounds half a pixel the wrong way.
void TestScreenLayout::twipsBecomeWholePixels_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("under half a pixel") << 7 << 0;
    QTest::newRow("over half a pixel") << 8 << 1;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("a third over") << 4010 << 267;
    QTest::newRow("two thirds over") << 4000 << 267;
    QTest::newRow("7 twips over") << 5692 << 379;
    QTest::newRow("8 twips over") << 5693 << 380;
    QTest::newRow("a play screen's width") << 11490 << 766;
}

void TestScreenLayout::twipsBecomeWholePixels() {
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(twips::toPixels(twips), pixels);
}

void TestScreenLayout::controlsStandWhereTheirTablePutsThem_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("rect");
    const auto row = [](const char* screen, const twips::Control& control) {
        QTest::addRow("%s %s", screen, control.name)
            << QString::fromLatin1(screen) << QString::fromLatin1(control.name)
            << control.pixels().toQRect();
    };
    for (const twips::Control& control : menu_layout::kControls)
        row("menu", control);
    for (const twips::Control& control : how_to_play_layout::kControls)
        row("how to play", control);
    for (const twips::Control& control : play_layout::kControls) {
        // The countdown picture is the speed screen's only.
        if (std::string_view(control.name) != play_layout::kCountdownPicture.name)
            row("careful", control);
        row("speed", control);
    }
}

// Guards: a control left where Qt put it, placed in the wrong parent (the mode buttons stand in
// their frame) or moved again once the screen has shown.
void TestScreenLayout::controlsStandWhereTheirTablePutsThem() {
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(QRect, rect);
    QCOMPARE(screen_test::control(this->screen(screen), control)->geometry(), rect);
}

void TestScreenLayout::picturesAndGaugeStandOnTheirPlacesOfThePanel_data() {
    QTest::addColumn<QString>("screen");
    for (const char* play : {"careful", "speed"})
        QTest::newRow(play) << play;
}

// The panel behind the play screen's controls, as the player sees it: the radical and the
// character picture stand on its black window (no blue or outline shows under them), and the
// gauge stands in its frame (black just outside it, cyan two pixels further).
void TestScreenLayout::picturesAndGaugeStandOnTheirPlacesOfThePanel() {
    QFETCH(QString, screen);
    ScreenWindow* window = this->screen(screen);
    // Before a load no picture is drawn: the panel shows through the picture controls.
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect pair = control(window, QStringLiteral("Image2"))
                           ->geometry()
                           .united(control(window, QStringLiteral("Image3"))->geometry());
    for (int y = pair.top(); y <= pair.bottom(); ++y)
        for (int x = pair.left(); x <= pair.right(); ++x)
            QVERIFY2(shown.pixel(x, y) == qRgb(0, 0, 0),
                     qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
    const QRect gauge = control(window, QStringLiteral("Picture1"))->geometry();
    for (const auto& [margin, colour] :
         {std::pair(1, qRgb(0, 0, 0)), std::pair(3, qRgb(0, 255, 255))}) {
        const QRect frame = gauge.adjusted(-margin, -margin, margin, margin);
        for (const QPoint p :
             {frame.topLeft(), frame.bottomRight(), QPoint(frame.center().x(), frame.top()),
              QPoint(frame.left(), frame.center().y()), QPoint(frame.right(), frame.center().y()),
              QPoint(frame.center().x(), frame.bottom())})
            QVERIFY2(shown.pixel(p) == colour,
                     qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    }
}

void TestScreenLayout::picturesAreDrawnAtTheirOwnSize_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QSize>("picture");
    QTest::newRow("radical") << "menu"
                             << "Command1(4)" << QSize(90, 231);
    QTest::newRow("mode") << "menu"
                          << "Command4(1)" << QSize(184, 54);
    QTest::newRow("end") << "menu"
                         << "Command3" << QSize(176, 50);
    QTest::newRow("back") << "how to play"
                          << "Command1" << QSize(108, 31);
    QTest::newRow("answer") << "careful"
                            << "Command2(1)" << QSize(153, 57);
    QTest::newRow("another game") << "speed"
                                  << "Command3" << QSize(176, 50);
}

// Guards against a picture scaled by the button (a blurred face) or drawn off its place.
void TestScreenLayout::picturesAreDrawnAtTheirOwnSize() {
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QSize, picture);
    auto* widget = control<PictureButton>(this->screen(screen), button);
    QCOMPARE(widget->picture().size(), picture);
    QCOMPARE(widget->iconSize(), picture);
    QVERIFY(widget->text().isEmpty());
    // The face shows the picture unscaled in its middle (an odd margin may go either way).
    const QImage face = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = widget->picture().convertToFormat(QImage::Format_RGB32);
    const int marginX = widget->width() - picture.width();
    const int marginY = widget->height() - picture.height();
    bool found = false;
    for (int x : {marginX / 2, (marginX + 1) / 2})
        for (int y : {marginY / 2, (marginY + 1) / 2})
            found = found || face.copy(x, y, picture.width(), picture.height()) == expected;
    QVERIFY(found);
}

void TestScreenLayout::frontToBackOrder_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("back");
    QTest::newRow("frame over radical 3") << "menu"
                                          << "Frame1"
                                          << "Command1(3)";
    QTest::newRow("frame over radical 4") << "menu"
                                          << "Frame1"
                                          << "Command1(4)";
    QTest::newRow("buttons over title") << "menu"
                                        << "Command2"
                                        << "Image1";
    for (const char* play : {"careful", "speed"}) {
        QTest::addRow("%s labels over panel", play) << play << "Label1"
                                                    << "Image1";
        QTest::addRow("%s gauge over labels", play) << play << "Picture1"
                                                    << "Label2";
        QTest::addRow("%s answers over medal", play) << play << "Command2(0)"
                                                     << "Image5";
        QTest::addRow("%s medal over character", play) << play << "Image5"
                                                       << "Image3";
        QTest::addRow("%s character over radical", play) << play << "Image3"
                                                         << "Image2";
    }
    QTest::newRow("countdown over medal") << "speed"
                                          << "Image6"
                                          << "Image5";
}

void TestScreenLayout::frontToBackOrder() {
    QFETCH(QString, screen);
    QFETCH(QString, front);
    QFETCH(QString, back);
    ScreenWindow* window = this->screen(screen);
    QVERIFY(stackIndex(control(window, front)) > stackIndex(control(window, back)));
}

void TestScreenLayout::focusAndTabOrder_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("menu") << "menu"
                          << QStringList{"Command1(0)", "Command1(1)", "Command1(2)", "Command1(3)",
                                         "Command1(4)", "Command1(5)", "Command2",    "Command3"};
    QTest::newRow("how to play") << "how to play" << QStringList{"List1", "Command1"};
    QTest::newRow("careful") << "careful" << QStringList{"Command1", "Command2(0)", "Command2(1)"};
    QTest::newRow("speed") << "speed" << QStringList{"Command1", "Command2(0)", "Command2(1)"};
}

void TestScreenLayout::focusAndTabOrder() {
    QFETCH(QString, screen);
    QFETCH(QStringList, order);
    ScreenWindow* window = this->screen(screen);
    QCOMPARE(window->focusWidget(), control(window, order.first()));
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QCOMPARE(nextTabStop(control(window, order[i])), control(window, order[i + 1]));
}

void TestScreenLayout::playScreensStartInTheirCreatedState_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("timers");
    QTest::newRow("careful") << "careful" << 2;
    QTest::newRow("speed") << "speed" << 6;
}

void TestScreenLayout::playScreensStartInTheirCreatedState() {
    QFETCH(QString, screen);
    QFETCH(int, timers);
    ScreenWindow* window = this->screen(screen);
    QVERIFY(window->windowTitle().isEmpty());
    QVERIFY(control(window, QStringLiteral("Image2"))->isVisible());
    QVERIFY(control(window, QStringLiteral("Image4"))->isVisible());
    for (const char* hidden : {"Image3", "Image5", "Command3"})
        QVERIFY2(control(window, QString::fromLatin1(hidden))->isHidden(), hidden);
    if (timers == 6)
        QVERIFY(control(window, QStringLiteral("Image6"))->isHidden());
    else
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("Image6")));
    const auto all = window->findChildren<QTimer*>();
    QCOMPARE(all.size(), timers);
    for (QTimer* timer : all)
        QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
    // The gauge shows 100 empty cells: blue in the seed column of every cell.
    const QImage gauge = control<GaugeBox>(window, QStringLiteral("Picture1"))->image();
    for (int k = 1; k <= gauge::kCells; ++k)
        QCOMPARE(gauge.pixel(gauge::kSeedX, gauge::cellTopRow(k)), artwork::kGaugeBlue);
}

void TestScreenLayout::labelsUseTheirFontsAndColours() {
    ScreenWindow* window = screen(QStringLiteral("careful"));
    auto* question = control<QLabel>(window, QStringLiteral("Label2"));
    auto* score = control<QLabel>(window, QStringLiteral("Label1"));
    QCOMPARE(question->font().pixelSize(), 32);
    QCOMPARE(score->font().pixelSize(), 53);
    QVERIFY(question->font().bold() && score->font().bold());
    QCOMPARE(question->font().family(), QStringLiteral("ＭＳ 明朝"));
    QCOMPARE(question->palette().color(QPalette::WindowText), QColor(Qt::white));
    QCOMPARE(score->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(question->alignment(), Qt::AlignCenter);
    QVERIFY(!question->autoFillBackground() && !score->autoFillBackground());
}

// The radical's name on the mode frame reads at a glance: white letters at least 13 pixels high,
// all of them in the strip above the mode buttons (rows 0 to 20 of the frame).
void TestScreenLayout::modeFrameCaptionIsLargeAndInItsStrip() {
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), {QStringLiteral("IPAexMincho")});
    ScreenWindow* window = screen(QStringLiteral("menu"));
    auto* frame = control<QGroupBox>(window, QStringLiteral("Frame1"));
    frame->setTitle(QStringLiteral("ごんべん"));
    frame->setVisible(true);
    for (QWidget* button : frame->findChildren<QWidget*>())
        button->setVisible(false); // their lettering is white too
    const QImage drawn = frame->grab().toImage();
    QRect letters;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (drawn.pixel(x, y) == qRgb(255, 255, 255))
                letters |= QRect(x, y, 1, 1);
    QVERIFY(!letters.isEmpty());
    QVERIFY2(letters.top() >= 0 && letters.bottom() <= 20,
             qPrintable(QStringLiteral("rows %1 to %2").arg(letters.top()).arg(letters.bottom())));
    QVERIFY2(letters.height() >= 13, qPrintable(QString::number(letters.height())));
    QVERIFY2(letters.width() >= 4 * 13, qPrintable(QString::number(letters.width())));
}

QTEST_MAIN(TestScreenLayout)
#include "test_screen_layout.moc"
