#include "artwork/art_text.h"
#include "artwork/artwork.h"
#include "artwork/painting.h"
#include "artwork/radical_art.h"
#include "facts/radicals.h"

#include <QSet>
#include <QtTest>

using namespace artwork;

namespace {

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

bool whitish(QColor c) {
    return c.red() > 230 && c.green() > 230 && c.blue() > 230;
}
bool yellowish(QColor c) {
    return c.red() > 200 && c.green() > 200 && c.blue() < 90;
}
bool blueish(QColor c) {
    return c.blue() > 100 && c.red() < 120 && c.green() < 140;
}
bool orangeish(QColor c) {
    return c.red() > 190 && c.green() > 70 && c.green() < 225 && c.blue() < 150 &&
           c.red() - c.blue() > 90;
}

// The bounding box of the pixels that pass `test`.
QRect inkBox(const QImage& image, const std::function<bool(QColor)>& test) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The screens show each picture at its own size on a control of a fixed size; a picture of
    // another size would be cut off or leave a gap.
    void wordsHaveTheirButtonSizes_data() {
        QTest::addColumn<Words>("which");
        QTest::addColumn<QSize>("size");
        QTest::newRow("speed") << Words::SpeedMode << QSize(184, 54);
        QTest::newRow("careful") << Words::CarefulMode << QSize(184, 54);
        QTest::newRow("end") << Words::EndGame << QSize(176, 50);
        QTest::newRow("how to play") << Words::HowToPlay << QSize(176, 50);
        QTest::newRow("another game") << Words::AnotherGame << QSize(176, 50);
        QTest::newRow("menu") << Words::Menu << QSize(108, 31);
        QTest::newRow("exists") << Words::Exists << QSize(153, 57);
        QTest::newRow("made up") << Words::MadeUp << QSize(153, 57);
    }
    void wordsHaveTheirButtonSizes() {
        QFETCH(Words, which);
        QFETCH(QSize, size);
        QCOMPARE(paintWords(which).size(), size);
    }

    // Each face carries its lettering in its colour on its ground, inside the face with a margin.
    void wordsAreLetteredOnTheirFace_data() {
        QTest::addColumn<Words>("which");
        QTest::addColumn<bool>("orange");
        QTest::newRow("speed") << Words::SpeedMode << false;
        QTest::newRow("careful") << Words::CarefulMode << false;
        QTest::newRow("menu") << Words::Menu << false;
        QTest::newRow("end") << Words::EndGame << true;
        QTest::newRow("how to play") << Words::HowToPlay << true;
        QTest::newRow("another game") << Words::AnotherGame << true;
    }
    void wordsAreLetteredOnTheirFace() {
        QFETCH(Words, which);
        QFETCH(bool, orange);
        const QImage face = paintWords(which);
        const QRect all = face.rect();
        const int ground = countPixels(face, all, orange ? orangeish : blueish);
        const int letters = countPixels(face, all, whitish);
        QVERIFY2(ground > all.width() * all.height() / 2, qPrintable(QString::number(ground)));
        QVERIFY2(letters > all.width() * all.height() / 25, qPrintable(QString::number(letters)));
        const QRect ink = inkBox(face, whitish);
        QVERIFY(all.adjusted(2, 2, -2, -2).contains(ink));
        // Centred across the face, within a pixel or two.
        QVERIFY(qAbs(ink.left() - (all.width() - 1 - ink.right())) <= 3);
    }

    void answerButtonsAreYellowOnBlackInARedFrame_data() {
        QTest::addColumn<Words>("which");
        QTest::newRow("ある") << Words::Exists;
        QTest::newRow("ない") << Words::MadeUp;
    }
    void answerButtonsAreYellowOnBlackInARedFrame() {
        QFETCH(Words, which);
        const QImage face = paintWords(which);
        for (const QPoint corner : {QPoint(0, 0), QPoint(152, 0), QPoint(0, 56), QPoint(152, 56)}) {
            const QColor c = face.pixelColor(corner);
            QVERIFY(c.red() > 180 && c.green() < 60 && c.blue() < 60);
        }
        QCOMPARE(face.pixelColor(8, 28), QColor(Qt::black));
        QVERIFY(countPixels(face, QRect(8, 8, 137, 41), yellowish) > 300);
    }

    void theTwoAnswersDiffer() { QVERIFY(paintWords(Words::Exists) != paintWords(Words::MadeUp)); }

    // Each radical fills its tall button without touching its edges: drawn at a natural size,
    // not shrunk into the middle, not clipped.
    void radicalShapesAreWhiteOnBlackAndDistinct() {
        QSet<QByteArray> seen;
        for (int radical = 1; radical <= 6; ++radical) {
            const QImage shape = paintRadicalShape(radical);
            QCOMPARE(shape.size(), QSize(90, 231));
            QCOMPARE(shape.pixelColor(0, 0), QColor(Qt::black));
            QCOMPARE(shape.pixelColor(89, 230), QColor(Qt::black));
            const QRect ink = inkBox(shape, whitish);
            QVERIFY2(ink.height() >= 170, qPrintable(QString::number(ink.height())));
            QVERIFY2(ink.width() >= 50, qPrintable(QString::number(ink.width())));
            QVERIFY(QRect(4, 4, 82, 223).contains(ink));
            QVERIFY(qAbs(ink.center().x() - 44) <= 3);
            QVERIFY(qAbs(ink.center().y() - 115) <= 3);
            seen.insert(
                QByteArray(reinterpret_cast<const char*>(shape.constBits()), shape.sizeInBytes()));
        }
        QCOMPARE(seen.size(), 6);
    }

    // The left-hand form is the left part of its kanji and nothing of the right part: a failed
    // division would put the whole kanji, or a piece of its right part, on the button.
    void radicalIsTheLeftPartOfItsKanji_data() {
        QTest::addColumn<int>("radical");
        QTest::addColumn<QString>("kanji");
        QTest::newRow("ごんべん") << 1 << QStringLiteral("計");
        QTest::newRow("にんべん") << 2 << QStringLiteral("仁");
        QTest::newRow("てへん") << 3 << QStringLiteral("打");
        QTest::newRow("いとへん") << 4 << QStringLiteral("紅");
        QTest::newRow("きへん") << 5 << QStringLiteral("村");
        QTest::newRow("さんずい") << 6 << QStringLiteral("江");
    }
    void radicalIsTheLeftPartOfItsKanji() {
        QFETCH(int, radical);
        QFETCH(QString, kanji);
        QCOMPARE(radicalSource(radical), kanji);
        QPainterPath whole;
        whole.addText(0, 0, text::mincho(1000), kanji);
        const QPainterPath left = radicalLeftPart(radical);
        const QRectF all = whole.boundingRect();
        const QRectF part = left.boundingRect();
        QVERIFY(!left.isEmpty());
        QVERIFY(left.elementCount() < whole.elementCount());
        QVERIFY(all.contains(part));
        // On the left, narrow, and as tall as the character is (a left-hand form spans it).
        QVERIFY2(part.left() - all.left() < 0.05 * all.width(), qPrintable(kanji));
        QVERIFY2(part.width() < 0.6 * all.width(), qPrintable(kanji));
        QVERIFY2(part.height() > 0.75 * all.height(), qPrintable(kanji));
        // What is left over lies to the right of the part.
        const QPainterPath rest = whole.subtracted(left);
        QVERIFY(!rest.isEmpty());
        QVERIFY2(rest.boundingRect().center().x() > part.center().x() + 0.25 * all.width(),
                 qPrintable(kanji));
    }

    void titleHasItsSize() {
        const QImage picture = paintTitle();
        QCOMPARE(picture.size(), QSize(400, 399));
        // A composed picture, not a flat fill: dark ink and a red sun on light paper.
        auto dark = [](QColor c) { return c.lightness() < 60; };
        auto red = [](QColor c) { return c.red() > 160 && c.green() < 90 && c.blue() < 90; };
        QVERIFY(countPixels(picture, picture.rect(), dark) > 8000);
        QVERIFY(countPixels(picture, picture.rect(), red) > 8000);
    }

    void iconComesInEverySize() {
        for (const int size : kIconSizes) {
            const QImage image = paintIcon(size);
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(image.pixelColor(size / 2, size / 2).alpha() == 255);
        }
        const QList<QSize> sizes = windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
        QVERIFY(sizes.contains(QSize(256, 256)));
    }
};

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
