#include "tools/content/components_table.h"
#include "tools/content/glyph_pictures.h"

#include <QFile>
#include <QtTest>
#include <functional>
#include <stdexcept>

// The character and radical pictures as drawn, before they are stored.
class GlyphPicturesTest : public QObject {
    Q_OBJECT

private:
    static const content::GlyphPictures& pictures() {
        static const content::GlyphPictures drawn;
        return drawn;
    }

    // Largest grey on the picture's outermost rows and columns: ink there means the glyph was
    // cut off at the picture's edge.
    static int inkOnBorder(const QImage& picture) {
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        int most = 0;
        for (int x = 0; x < grey.width(); ++x)
            most = std::max({most, int(grey.constScanLine(0)[x]),
                             int(grey.constScanLine(grey.height() - 1)[x])});
        for (int y = 0; y < grey.height(); ++y)
            most = std::max({most, int(grey.constScanLine(y)[0]),
                             int(grey.constScanLine(y)[grey.width() - 1])});
        return most;
    }

    static QString message(const std::function<void()>& action) {
        try {
            action();
        } catch (const std::runtime_error& e) {
            return QString::fromUtf8(e.what());
        }
        return {};
    }

private Q_SLOTS:
    // Guards: a radical taken from its kanji too wide for its 90 pixels and cut at the edge (or
    // drawn empty because the split between its parts was missed).
    void radicalsFitTheirPictures_data() {
        QTest::addColumn<int>("radical");
        for (int d = 1; d <= content::kRadicals; ++d)
            QTest::newRow(qPrintable(content::GlyphPictures::radicalSource(d))) << d;
    }
    void radicalsFitTheirPictures() {
        QFETCH(int, radical);
        const QImage picture = pictures().radicalPicture(radical);
        QCOMPARE(picture.size(), QSize(content::kRadicalWidth, content::kGlyphHeight));
        QCOMPARE(inkOnBorder(picture), 0);
        // Some ink in each third of the height: the whole radical, not one stroke of it.
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        for (int third = 0; third < 3; ++third) {
            int ink = 0;
            for (int y = third * 77; y < (third + 1) * 77; ++y)
                for (int x = 0; x < grey.width(); ++x)
                    ink += grey.constScanLine(y)[x] >= 128;
            QVERIFY2(ink > 100, qPrintable(QString::number(third)));
        }
    }

    // Guards: a component wider or taller than the right part, cut at the picture's edge.
    void everyComponentFitsItsPicture() {
        const auto table = content::ComponentsTable::load(QStringLiteral(KQ_CONTENT_TABLE));
        for (const content::Component& row : table.rows()) {
            const QImage picture = pictures().componentPicture(row.glyph);
            QCOMPARE(picture.size(), QSize(content::kCharacterWidth, content::kGlyphHeight));
            QVERIFY2(inkOnBorder(picture) == 0, qPrintable(row.glyph));
        }
    }

    // Guards: a fallback font slipping in (a Chinese or gothic form) without a word, or a
    // missing glyph drawn as an empty box.
    void wrongFontOrMissingGlyphFailsClearly() {
        const QString missingFile = QStringLiteral("/nonexistent/ipaexm.ttf");
        QVERIFY(message([&] { content::GlyphPictures{missingFile}; }).contains(missingFile));
        const QString otherFont = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        if (QFile::exists(otherFont))
            QVERIFY(message([&] { content::GlyphPictures{otherFont}; }).contains("DejaVu"));
        const QString thai = QStringLiteral("ก");
        QVERIFY(message([&] { pictures().componentPicture(thai); }).contains(thai));
    }
};

QTEST_MAIN(GlyphPicturesTest)
#include "glyph_pictures_test.moc"
