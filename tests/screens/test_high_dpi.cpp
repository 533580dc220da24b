#include "artwork/gauge_art.h"
#include "screen_test_support.h"
#include "screens/gauge_box.h"
#include "screens/picture_button.h"
#include "screens/screen_window.h"
#include "tests/support/screen_rig.h"

#include <QGuiApplication>
#include <cmath>
#include <memory>

using namespace screen_test;

namespace {

// The device pixel ratio this run is at (ctest runs it at 1, 1.5 and 2 with QT_SCALE_FACTOR).
qreal ratio() {
    return qApp->devicePixelRatio();
}

// The window as it is on the screen, in device pixels.
QImage grabWindow(QWidget* window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The device pixels of `widget`, a control of `window`, at a whole ratio.
QRect deviceRect(const QWidget* widget, const QWidget* window) {
    const QRect logical(widget->mapTo(window, QPoint(0, 0)), widget->size());
    return {logical.topLeft() * ratio(), logical.size() * ratio()};
}

// Aligned 2 x 2 blocks of `image` whose four pixels are not all alike: none in a 1x picture
// stretched to twice its size, many along the ink edges of a picture drawn at 2x.
int fineBlocks(const QImage& image) {
    int fine = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            fine += p != image.pixel(x + 1, y) || p != image.pixel(x, y + 1) ||
                    p != image.pixel(x + 1, y + 1);
        }
    return fine;
}

// The bounds of what differs from the ground (the colour of the top-left pixel) in `image`.
QRect inkBounds(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// One maximal run of rows down a column of the gauge: white (a line or the outline) or not.
struct Run {
    bool white;
    int top;
    int rows;
};

QList<Run> runsDown(const QImage& image, int x, int top, int bottom) {
    QList<Run> runs;
    for (int y = top; y <= bottom; ++y) {
        const bool white = image.pixel(x, y) == artwork::kGaugeWhite;
        if (runs.isEmpty() || runs.last().white != white)
            runs.append({white, y, 0});
        ++runs.last().rows;
    }
    return runs;
}

} // namespace

// The screens drawn for the window's device pixel ratio, read from grabs of the real windows on
// the generated content: pictures from their 2x forms, and the gauge in whole device pixels.
// ctest runs this at ratios 1, 1.5 and 2.
class TestHighDpi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void picturesAreDrawnAtTheRatio_data();
    void picturesAreDrawnAtTheRatio();
    void gaugeCellsAndLinesAreEvenInDevicePixels_data();
    void gaugeCellsAndLinesAreEvenInDevicePixels();

private:
    void openCareful();
    /// Plays a whole game, 70 right and 30 wrong.
    void playSeventyThirty();
    /// Lets the end-of-game wait pass and starts another game.
    void anotherGame();
    /// The gauge on the screen after a 70/30 game, checked in device pixels.
    void checkGauge();
    QWidget* screen() const { return m_rig->screen(); }

    std::unique_ptr<ScreenRig> m_rig;
};

void TestHighDpi::init() {
    m_rig = std::make_unique<ScreenRig>();
}

void TestHighDpi::cleanup() {
    QVERIFY(m_rig->reporter.files.isEmpty());
    m_rig.reset();
}

void TestHighDpi::openCareful() {
    click(screen(), QStringLiteral("Command1(2)"));
    click(screen(), QStringLiteral("Command4(1)"));
    QCoreApplication::processEvents();
    QCOMPARE(m_rig->navigator->currentKind(), Screen::Careful);
}

void TestHighDpi::playSeventyThirty() {
    for (int q = 1; q <= 100; ++q) {
        const int right = m_rig->random.rightButton();
        click(screen(), QStringLiteral("Command2(%1)").arg(q % 10 < 7 ? right : 1 - right));
    }
    QCOMPARE(control(screen(), QStringLiteral("Label1"))->property("text").toString(),
             QStringLiteral("70"));
}

void TestHighDpi::anotherGame() {
    m_rig->clock.advance(1.0);
    tickRunningTimers(screen());
    click(screen(), QStringLiteral("Command3"));
}

void TestHighDpi::picturesAreDrawnAtTheRatio_data() {
    QTest::addColumn<bool>("play");
    QTest::addColumn<QString>("control");
    QTest::newRow("title") << false << "Image1";
    QTest::newRow("radical button") << false << "Command1(0)";
    QTest::newRow("how-to-play button") << false << "Command2";
    QTest::newRow("question picture") << true << "Image3";
    QTest::newRow("answer button") << true << "Command2(0)";
}

// At a ratio of 1 each picture is drawn pixel for pixel as its 1x form; at 2 as its 2x form,
// whose ink edges are finer than 2 x 2 blocks. Guards against a 1x picture stretched by the
// screen (blocky) or scaled by the button (blurred), and a 2x form not taken or not drawn.
void TestHighDpi::picturesAreDrawnAtTheRatio() {
    QFETCH(bool, play);
    QFETCH(QString, control);
    if (ratio() != 1 && ratio() != 2)
        QSKIP("pictures are compared pixel for pixel at whole ratios");
    m_rig->start(QStringLiteral(KQ_RUNTIME_DIR));
    if (play)
        openCareful();
    QWidget* widget = screen_test::control(screen(), control);
    auto* button = qobject_cast<PictureButton*>(widget);
    const HiDpiPicture& picture =
        button ? button->pictures() : qobject_cast<ImageControl*>(widget)->picture();
    const QImage expected =
        (ratio() == 2 ? picture.doubled() : picture.base()).convertToFormat(QImage::Format_RGB32);
    QVERIFY(!expected.isNull());
    QCOMPARE(expected.size(), picture.size() * ratio());
    // The 1x form, decoded only when asked for at 2, is still what the game reads back.
    QCOMPARE(picture.base().size(), picture.size());
    const QImage drawn = grabWindow(screen()).copy(deviceRect(widget, screen()));
    // A button centres its picture (an odd margin may go either way).
    const QSize margin = widget->size() - picture.size();
    bool found = false;
    for (int x : {margin.width() / 2, (margin.width() + 1) / 2})
        for (int y : {margin.height() / 2, (margin.height() + 1) / 2})
            found = found || drawn.copy(QRect(QPoint(x, y) * ratio(), expected.size())) == expected;
    QVERIFY(found);
    if (ratio() == 2)
        QVERIFY2(fineBlocks(expected) > 100, qPrintable(QString::number(fineBlocks(expected))));
}

void TestHighDpi::gaugeCellsAndLinesAreEvenInDevicePixels_data() {
    QTest::addColumn<bool>("generated");
    QTest::newRow("generated content, with 2x forms") << true;
    QTest::newRow("content without 2x forms") << false;
}

// After a 70/30 game, and again after another game has loaded waku.gif (with or without its 2x
// form), the gauge shows 100 cells of one height and 101 lines of one weight in device pixels,
// 70 green from the bottom and 30 red from the top, every line whole. Guards against the uneven
// stripes of a gauge scaled by a fractional ratio, and fills that miss their cells.
void TestHighDpi::gaugeCellsAndLinesAreEvenInDevicePixels() {
    QFETCH(bool, generated);
    if (!generated) {
        m_rig->content.writeList(3, 'o', test_files::range(1, 40));
        m_rig->content.writeList(3, 'x', test_files::range(101, 40));
        m_rig->content.writeCharacterPictures(test_files::range(1, 40) +
                                              test_files::range(101, 40));
    }
    m_rig->start(generated ? QStringLiteral(KQ_RUNTIME_DIR) : m_rig->content.appPath());
    openCareful();
    for (int game = 1; game <= 2; ++game) {
        playSeventyThirty();
        checkGauge();
        if (QTest::currentTestFailed())
            return;
        anotherGame();
    }
}

void TestHighDpi::checkGauge() {
    auto* gauge = control<GaugeBox>(screen(), QStringLiteral("Picture1"));
    const QImage window = grabWindow(screen());
    // The box in device pixels, its edges rounded as the window places it.
    const QRectF area(QPointF(gauge->mapTo(screen(), QPoint(0, 0))) * ratio(),
                      QSizeF(gauge->size()) * ratio());
    const QRect box(QPoint(qRound(area.left()), qRound(area.top())),
                    QPoint(qRound(area.right()) - 1, qRound(area.bottom()) - 1));
    const QList<Run> runs = runsDown(window, box.center().x(), box.top(), box.bottom());
    // Outline, label, then a line and a cell 100 times, a last line, label, outline.
    QCOMPARE(runs.size(), 2 + 2 * gauge::kCells + 1 + 2);
    const int line = runs[2].rows;
    const int cell = runs[3].rows;
    if (ratio() == qRound(ratio())) {
        QCOMPARE(line, qRound(ratio()));
        QCOMPARE(cell, 2 * qRound(ratio()));
    }
    QVERIFY(cell > line);
    // The labels fill their strips, centred, as at a ratio of 1; and are lettered at the ratio,
    // not 1x lettering stretched.
    for (const int strip : {1, 2 + 2 * gauge::kCells + 1}) {
        const QImage label = window.copy(box.left() + line, runs[strip].top, box.width() - 2 * line,
                                         runs[strip].rows);
        const QRect ink = inkBounds(label);
        QVERIFY2(ink.width() > label.width() / 4 && ink.height() > label.height() / 3,
                 qPrintable(QStringLiteral("%1 x %2 in %3 x %4")
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(label.width())
                                .arg(label.height())));
        QVERIFY(qAbs(ink.left() - (label.width() - 1 - ink.right())) <= 3);
        if (ratio() == 2)
            QVERIFY2(fineBlocks(label) > 20, qPrintable(QString::number(fineBlocks(label))));
    }
    for (int k = 0; k <= gauge::kCells; ++k) {
        const Run& white = runs[2 + 2 * k];
        QVERIFY(white.white);
        QCOMPARE(white.rows, line);
        // Every line is whole across the box, inside the outline.
        for (int y = white.top; y < white.top + white.rows; ++y)
            for (int x = box.left() + line; x <= box.right() - line; ++x)
                QCOMPARE(window.pixel(x, y), artwork::kGaugeWhite);
        if (k == gauge::kCells)
            break;
        const Run& filled = runs[3 + 2 * k];
        QCOMPARE(filled.rows, cell);
        const QRgb colour = k < 30 ? artwork::kGaugeRed : artwork::kGaugeGreen;
        for (int y = filled.top; y < filled.top + filled.rows; ++y)
            for (int x = box.left() + line; x <= box.right() - line; ++x)
                QCOMPARE(window.pixel(x, y), colour);
        // Pointing at the cell's middle reviews that cell's question.
        gauge->setCellText([](int c) { return QString::number(c); });
        const auto logical = [](int device) { return int(std::floor((device + 0.5) / ratio())); };
        const QPoint middle =
            QPoint(logical(box.center().x()), logical(filled.top + filled.rows / 2)) -
            gauge->mapTo(screen(), QPoint(0, 0));
        QCOMPARE(gauge->toolTipAt(middle), QString::number(k + 1));
    }
}

QTEST_MAIN(TestHighDpi)
#include "test_high_dpi.moc"
