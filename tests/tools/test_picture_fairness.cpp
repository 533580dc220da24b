#include "tools/content/components_table.h"

#include <QImage>
#include <QtTest>
#include <cmath>

// A picture must never give the answer away: the character pictures of real and made-up
// characters of one radical must not differ in the simple features a learner (or a guessing
// player) could read off them.
class TestPictureFairness : public QObject {
    Q_OBJECT

public:
    enum Feature { Ink, BoxWidth, BoxHeight, StrokeWeight };
    Q_ENUM(Feature)

private:
    // Largest allowed difference of the group means, as a share of their pooled standard
    // deviation: below half of it, the difference is a small effect that no guess can use.
    static constexpr double kLargestEffect = 0.5;

    struct Features {
        double ink = 0;
        double boxWidth = 0;
        double boxHeight = 0;
        double strokeWeight = 0;
    };

    static Features measure(const QImage& picture) {
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        Features f;
        int left = grey.width(), right = -1, top = grey.height(), bottom = -1;
        long inkPixels = 0;
        long edges = 0;
        const auto inked = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < grey.width() && y < grey.height() &&
                   grey.constScanLine(y)[x] >= 128;
        };
        for (int y = 0; y < grey.height(); ++y)
            for (int x = 0; x < grey.width(); ++x) {
                f.ink += grey.constScanLine(y)[x] / 255.0;
                if (!inked(x, y))
                    continue;
                ++inkPixels;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                edges += !inked(x - 1, y) + !inked(x + 1, y) + !inked(x, y - 1) + !inked(x, y + 1);
            }
        f.ink /= double(grey.width()) * grey.height();
        f.boxWidth = right - left + 1;
        f.boxHeight = bottom - top + 1;
        // Area over half the outline length: the mean width of a stroke.
        f.strokeWeight = edges > 0 ? 2.0 * double(inkPixels) / double(edges) : 0.0;
        return f;
    }

    static double value(const Features& f, Feature which) {
        switch (which) {
        case Ink:
            return f.ink;
        case BoxWidth:
            return f.boxWidth;
        case BoxHeight:
            return f.boxHeight;
        case StrokeWeight:
            break;
        }
        return f.strokeWeight;
    }

    // Each picture is measured once; the rows of the table share the results.
    static QList<Features> group(const QList<int>& numbers) {
        static QHash<int, Features> measured;
        QList<Features> features;
        for (const int n : numbers) {
            if (!measured.contains(n)) {
                const QImage picture(QStringLiteral(KQ_RUNTIME_DIR "/data/画像/b%1.gif").arg(n));
                if (picture.isNull())
                    qFatal("character picture b%d.gif is missing", n);
                measured.insert(n, measure(picture));
            }
            features.append(measured.value(n));
        }
        return features;
    }

    static void meanAndVariance(const QList<Features>& g, Feature which, double& mean,
                                double& var) {
        mean = 0;
        for (const Features& f : g)
            mean += value(f, which);
        mean /= double(g.size());
        var = 0;
        for (const Features& f : g)
            var += std::pow(value(f, which) - mean, 2);
        var /= double(g.size() - 1);
    }

private Q_SLOTS:
    // Guards: made-up characters drawn bigger, bolder, inkier or narrower than real ones (for
    // example by fitting each component to its box, or by a component choice that leans to
    // heavier glyphs on one side).
    void realAndMadeUpLookAlike_data() {
        QTest::addColumn<int>("radical");
        QTest::addColumn<Feature>("feature");
        for (int d = 1; d <= content::kRadicals; ++d)
            for (const Feature f : {Ink, BoxWidth, BoxHeight, StrokeWeight})
                QTest::newRow(qPrintable(QStringLiteral("h%1 %2").arg(d).arg(
                    QString::fromLatin1(QMetaEnum::fromType<Feature>().valueToKey(f)))))
                    << d << f;
    }
    void realAndMadeUpLookAlike() {
        QFETCH(int, radical);
        QFETCH(Feature, feature);
        static const content::ComponentsTable table =
            content::ComponentsTable::load(QStringLiteral(KQ_CONTENT_TABLE));
        const QList<Features> real = group(table.oList(radical));
        const QList<Features> madeUp = group(table.xList(radical));
        double meanReal = 0, varReal = 0, meanMadeUp = 0, varMadeUp = 0;
        meanAndVariance(real, feature, meanReal, varReal);
        meanAndVariance(madeUp, feature, meanMadeUp, varMadeUp);
        const double pooled = std::sqrt((varReal + varMadeUp) / 2);
        const double effect = std::abs(meanReal - meanMadeUp) / pooled;
        qInfo("real %.3f, made-up %.3f, spread %.3f, effect %.2f", meanReal, meanMadeUp, pooled,
              effect);
        QVERIFY2(effect < kLargestEffect, qPrintable(QString::number(effect)));
    }
};

QTEST_MAIN(TestPictureFairness)
#include "test_picture_fairness.moc"
