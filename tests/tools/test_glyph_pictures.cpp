#include "tools/content/components_table.h"
#include "tools/content/glyph_pictures.h"

#include <QFile>
#include <QPainter>
#include <QRawFont>
#include <QtTest>
#include <functional>
#include <stdexcept>

// The character and radical pictures as drawn, before they are stored.
class TestGlyphPictures : public QObject {
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

    static QImage grey(const QImage& picture) {
        return picture.convertToFormat(QImage::Format_Grayscale8);
    }

    // First and last row with ink (grey >= 128) in columns from `fromColumn` on.
    static QPair<int, int> inkRows(const QImage& picture, int fromColumn) {
        const QImage g = grey(picture);
        int top = -1, bottom = -1;
        for (int y = 0; y < g.height(); ++y)
            for (int x = fromColumn; x < g.width(); ++x)
                if (g.constScanLine(y)[x] >= 128) {
                    top = top < 0 ? y : top;
                    bottom = y;
                }
        return {top, bottom};
    }

    // A character as the font draws it whole in the 231 x 231 window, its em square placed as
    // the pictures place it; the reference for how its parts sit.
    static QImage wholeCharacter(const QString& character) {
        const QRawFont font(QString::fromLatin1(content::kMinchoFile), content::kEmPixels);
        const QList<quint32> glyphs = font.glyphIndexesForString(character);
        QImage image(content::kGlyphHeight, content::kGlyphHeight, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal margin = (content::kGlyphHeight - content::kEmPixels) / 2;
        painter.translate(margin,
                          content::kEmTopRow + content::kEmAboveBaseline * content::kEmPixels);
        QPainterPath path = font.pathForGlyph(glyphs.value(0));
        path.setFillRule(Qt::WindingFill);
        painter.fillPath(path, Qt::white);
        return image;
    }

    // Weights of the horizontal strokes of a greyscale picture: the grey summed down a column
    // across a stroke, where the stroke runs flat for a while (curves, slants and dots are no
    // measure of weight). Vertical strokes are measured on the picture turned on its side.
    static QList<double> horizontalWeights(const QImage& g) {
        const auto ink = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < g.width() && y < g.height() &&
                   g.constScanLine(y)[x] >= 128;
        };
        // First and last pixel of the ink run through (x, y) along (dx, dy), as offsets.
        const auto run = [&](int x, int y, int dx, int dy) {
            int from = 0, to = 0;
            while (ink(x + (from - 1) * dx, y + (from - 1) * dy))
                --from;
            while (ink(x + (to + 1) * dx, y + (to + 1) * dy))
                ++to;
            return QPair<int, int>(from, to);
        };
        constexpr int kFlat = 30;  // pixels a stroke runs flat to be measured
        constexpr int kBeside = 8; // where it lies at the same rows on both sides
        QList<double> weights;
        for (int x = 0; x < g.width(); ++x)
            for (int y = 0; y < g.height(); ++y) {
                if (!ink(x, y) || ink(x, y - 1))
                    continue;
                const int last = y + run(x, y, 0, 1).second;
                const int middle = (y + last) / 2;
                const auto [left, right] = run(x, middle, 1, 0);
                if (last - y + 1 >= kFlat / 2 || right - left + 1 < kFlat)
                    continue;
                const auto sameRows = [&](int beside) {
                    const auto [up, down] = run(beside, middle, 0, 1);
                    return ink(beside, middle) && std::abs(2 * middle + up + down - y - last) <= 2;
                };
                if (!sameRows(x - kBeside) || !sameRows(x + kBeside))
                    continue;
                double sum = 0;
                for (int r = std::max(0, y - 1); r <= std::min(g.height() - 1, last + 1); ++r)
                    sum += g.constScanLine(r)[x] / 255.0;
                weights.append(sum);
            }
        return weights;
    }

    struct Weights {
        QList<double> horizontal;
        QList<double> vertical;
    };
    static void addWeights(const QImage& picture, Weights& weights) {
        const QImage g = grey(picture);
        weights.horizontal += horizontalWeights(g);
        weights.vertical += horizontalWeights(grey(g.transformed(QTransform(0, 1, 1, 0, 0, 0))));
    }

    static double median(QList<double> values) {
        std::sort(values.begin(), values.end());
        return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
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

    // Guards: a component placed by its ink box instead of its em square, so that a simple one
    // is stretched or moved (二 from top to bottom, 一 as a bar across the middle): its ink must
    // lie about where the font puts it in a real kanji (or, for 一, drawn whole). The font's
    // designers nudge a part kanji by kanji (二 in 仁 reaches 12 pixels lower than 二 alone); a
    // part fitted to its ink box would be 30 to 40 pixels off.
    void simpleComponentsSitAsInRealKanji_data() {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("reference");
        QTest::newRow("二 as in 仁") << QStringLiteral("二") << QStringLiteral("仁");
        QTest::newRow("口 as in 扣") << QStringLiteral("口") << QStringLiteral("扣");
        QTest::newRow("工 as in 江") << QStringLiteral("工") << QStringLiteral("江");
        QTest::newRow("十 as in 計") << QStringLiteral("十") << QStringLiteral("計");
        QTest::newRow("一 as drawn whole") << QStringLiteral("一") << QStringLiteral("一");
    }
    void simpleComponentsSitAsInRealKanji() {
        QFETCH(QString, component);
        QFETCH(QString, reference);
        // Right of the widest radical's reach, only the right-hand part has ink.
        constexpr int kRightPart = 140;
        const auto [top, bottom] =
            inkRows(pictures().componentPicture(component), kRightPart - content::kRadicalWidth);
        const auto [realTop, realBottom] = inkRows(wholeCharacter(reference), kRightPart);
        QVERIFY(realTop > 0);
        constexpr int kNudge = 14; // 6 % of the window
        QVERIFY2(std::abs(top - realTop) <= kNudge && std::abs(bottom - realBottom) <= kNudge,
                 qPrintable(QStringLiteral("rows %1-%2, in the font %3-%4")
                                .arg(top)
                                .arg(bottom)
                                .arg(realTop)
                                .arg(realBottom)));
    }

    // Guards: components heavier or lighter than the radical beside them (a pen that thickens
    // the horizontal strokes along with the narrowed vertical ones, or none at all), which makes
    // every character look made up. Compared where the radical has straight strokes of that
    // direction (亻 has no horizontal one).
    void strokesWeighAsTheRadicals_data() {
        QTest::addColumn<int>("radical");
        for (int d = 1; d <= content::kRadicals; ++d)
            QTest::newRow(qPrintable(content::GlyphPictures::radicalSource(d))) << d;
    }
    void strokesWeighAsTheRadicals() {
        QFETCH(int, radical);
        static const Weights components = [] {
            Weights all;
            const auto table = content::ComponentsTable::load(QStringLiteral(KQ_CONTENT_TABLE));
            for (const int n : table.usedNumbers())
                addWeights(pictures().componentPicture(table.rows().at(n).glyph), all);
            return all;
        }();
        Weights radicalWeights;
        addWeights(pictures().radicalPicture(radical), radicalWeights);
        constexpr int kFewest = 10; // straight-stroke samples that make a measure
        int compared = 0;
        for (const bool horizontal : {true, false}) {
            const QList<double>& own =
                horizontal ? radicalWeights.horizontal : radicalWeights.vertical;
            if (own.size() < kFewest)
                continue;
            const double weight = median(own);
            const double other = median(horizontal ? components.horizontal : components.vertical);
            qInfo("%s strokes: radical %.2f px, components %.2f px",
                  horizontal ? "horizontal" : "vertical", weight, other);
            QVERIFY2(std::abs(other - weight) <= 0.15 * weight,
                     horizontal ? "horizontal strokes" : "vertical strokes");
            ++compared;
        }
        QVERIFY(compared > 0);
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

QTEST_MAIN(TestGlyphPictures)
#include "test_glyph_pictures.moc"
