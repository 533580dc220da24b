#include "artwork/gauge_art.h"
#include "artwork/painting.h"
#include "facts/content_catalogue.h"
#include "shell/cp932.h"
#include "tools/content/components_table.h"
#include "tools/content/how_to_play_text.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QtTest>
#include <cmath>

// The generated content as the game will read it: the text, the picture sizes, the gauge and
// the sounds.
class TestContentFiles : public QObject {
    Q_OBJECT

private:
    static QString generatedPath(const QString& relative) {
        return QStringLiteral(KQ_RUNTIME_DIR "/") + relative;
    }

    static QByteArray generated(const QString& relative) {
        QFile file(generatedPath(relative));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

    static quint16 u16(const QByteArray& b, qsizetype at) {
        return qFromLittleEndian<quint16>(b.constData() + at);
    }
    static quint32 u32(const QByteArray& b, qsizetype at) {
        return qFromLittleEndian<quint32>(b.constData() + at);
    }
    /// RMS of the samples of a generated 16-bit WAV, in dB of full scale.
    static double loudness(const QString& name) {
        const QByteArray wav = generated(QStringLiteral("音/") + name);
        double sum = 0;
        const qsizetype samples = (wav.size() - 44) / 2;
        for (qsizetype i = 0; i < samples; ++i) {
            const double s = qint16(u16(wav, 44 + 2 * i)) / 32768.0;
            sum += s * s;
        }
        return samples > 0 ? 10 * std::log10(sum / double(samples)) : -200.0;
    }

private Q_SLOTS:
    // Guards: a character that code page 932 maps to something else (〜 against ～), so that
    // the player reads other text than was written, or bytes that do not decode at all.
    void howToPlayTextRoundTripsThroughCodePage932() {
        const QByteArray bytes = generated(QStringLiteral("data/遊び方.txt"));
        QVERIFY(!bytes.isEmpty());
        const std::optional<QString> text = decodeCp932(bytes);
        QVERIFY(text.has_value());
        QCOMPARE(encodeCp932(*text).value_or(QByteArray()), bytes);
        QCOMPARE(text->split(QStringLiteral("\r\n")),
                 content::howToPlayLines() + QStringList{QString()});
        QVERIFY2(!bytes.contains("\n\n") && bytes.count('\n') == bytes.count("\r\n"),
                 "every line must end with CR LF");
    }

    // Guards: lines too wide for the list box, and a text that forgets a rule the player needs.
    void howToPlayTextFitsAndCoversTheGame() {
        const QStringList lines = content::howToPlayLines();
        QVERIFY(lines.size() >= 30 && lines.size() <= 50);
        for (const QString& line : lines) {
            int halfWidths = 0;
            for (const QChar c : line)
                halfWidths += c.unicode() < 0x80 ? 1 : 2;
            QVERIFY2(halfWidths <= 2 * 42, qPrintable(line));
        }
        const QString all = lines.join(QLatin1Char('\n'));
        for (const char* needed :
             {"じっくりモード", "スピードモード", "「ある」", "「ない」", "「再挑戦」",
              "「メニュー」", "緑", "赤のマス", "９５％", "８５", "７５", "カラス", "ごんべん",
              "さんずい", "Esc", "KANJIDIC2", "Ｖ キー", "ふりかえり"})
            QVERIFY2(all.contains(QString::fromUtf8(needed)), needed);
    }

    // Guards: a picture drawn at another size, which would shift or cut the character in the
    // 231 x 231 window or the gauge under its fills.
    void picturesHaveTheirSizes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        for (int d = 1; d <= 6; ++d)
            QTest::newRow(qPrintable(QStringLiteral("h%1").arg(d)))
                << QStringLiteral("h%1.gif").arg(d) << QSize(90, 231);
        const auto table = content::ComponentsTable::load(QStringLiteral(KQ_CONTENT_TABLE));
        for (const int n : table.usedNumbers())
            QTest::newRow(qPrintable(QStringLiteral("b%1").arg(n)))
                << QStringLiteral("b%1.gif").arg(n) << QSize(140, 231);
        QTest::newRow("waku") << QStringLiteral("waku.gif") << QSize(81, 361);
        for (const char* name : {"gmedal", "smedal", "cmedal", "karasu"})
            QTest::newRow(name) << QStringLiteral("%1.gif").arg(QLatin1String(name))
                                << QSize(184, 225);
        for (const char* name : {"1", "2", "3"})
            QTest::newRow(name) << QStringLiteral("%1.gif").arg(QLatin1String(name))
                                << QSize(138, 88);
    }
    void picturesHaveTheirSizes() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QImageReader reader(generatedPath(QStringLiteral("data/画像/") + name));
        QCOMPARE(reader.format(), QByteArray("gif"));
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(picture.size(), size);
    }

    // Guards: a gauge file that differs from the built-in gauge anywhere a fill reads or stops,
    // which would colour two cells at once or leak into the labels.
    void gaugeFileIsTheBuiltInGauge() {
        const QImage file = QImage(generatedPath(QStringLiteral("data/画像/waku.gif")))
                                .convertToFormat(QImage::Format_RGB32);
        const QImage built = artwork::paintEmptyGauge().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(file.size(), built.size());
        for (int y = 0; y < built.height(); ++y)
            for (int x = 0; x < built.width(); ++x)
                QCOMPARE(file.pixel(x, y), built.pixel(x, y));
        // The rows every fill seeds in: blue cells at the seed column, white lines around them.
        for (int c = 1; c <= gauge::kCells; ++c) {
            const int right = gauge::rightSeedY(c);
            const int wrong = gauge::wrongSeedY(c);
            QCOMPARE(file.pixel(gauge::kSeedX, right), artwork::kGaugeBlue);
            QCOMPARE(file.pixel(gauge::kSeedX, wrong), artwork::kGaugeBlue);
            QCOMPARE(file.pixel(gauge::kSeedX, wrong - 1), artwork::kGaugeWhite);
            QCOMPARE(file.pixel(gauge::kSeedX, right + 1), artwork::kGaugeWhite);
        }
    }

    // Guards: a sound the player cannot decode (not 16-bit PCM), one that clips, one that
    // clicks at its ends, one too long for its place in the game (the crow's call must end
    // before the fail sound one second later; a countdown beep within its one-second step), or
    // one more than 3 dB louder (RMS) than the quietest, so that the player hears all alike.
    void soundsAreShortCleanPcm_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        QTest::newRow("right") << QStringLiteral("o.wav") << 0.3 << 0.5;
        QTest::newRow("wrong") << QStringLiteral("x.wav") << 0.25 << 0.45;
        QTest::newRow("pass") << QStringLiteral("goukaku.wav") << 1.5 << 2.5;
        QTest::newRow("crow") << QStringLiteral("karasu.wav") << 0.6 << 0.95;
        QTest::newRow("fail") << QStringLiteral("dame.wav") << 0.8 << 1.3;
        QTest::newRow("beep") << QStringLiteral("pipi.wav") << 0.15 << 0.7;
        QTest::newRow("final beep") << QStringLiteral("pipipi.wav") << 0.25 << 0.7;
    }
    void soundsAreShortCleanPcm() {
        QFETCH(QString, name);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const QByteArray wav = generated(QStringLiteral("音/") + name);
        QVERIFY(wav.size() > 44);
        QCOMPARE(wav.left(4), QByteArray("RIFF"));
        QCOMPARE(u32(wav, 4), quint32(wav.size() - 8));
        QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(u32(wav, 16), 16u);
        QCOMPARE(u16(wav, 20), quint16(1)); // PCM
        QCOMPARE(u16(wav, 22), quint16(1)); // mono
        const quint32 rate = u32(wav, 24);
        QVERIFY(rate == 22050 || rate == 44100);
        QCOMPARE(u32(wav, 28), rate * 2);
        QCOMPARE(u16(wav, 32), quint16(2));
        QCOMPARE(u16(wav, 34), quint16(16));
        QCOMPARE(wav.mid(36, 4), QByteArray("data"));
        const quint32 dataBytes = u32(wav, 40);
        QCOMPARE(qsizetype(dataBytes), wav.size() - 44);
        const qsizetype samples = dataBytes / 2;
        const double seconds = double(samples) / rate;
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
        int peak = 0;
        for (qsizetype i = 0; i < samples; ++i)
            peak = std::max(peak, std::abs(int(qint16(u16(wav, 44 + 2 * i)))));
        QVERIFY2(peak < 32767 && peak > 8000, qPrintable(QString::number(peak)));
        QVERIFY(std::abs(qint16(u16(wav, 44))) < 200);
        QVERIFY(std::abs(qint16(u16(wav, 44 + 2 * (samples - 1)))) < 200);
        double quietest = 0;
        for (const QStringView other : content_catalogue::kAllSounds)
            quietest = std::min(quietest, loudness(other.toString()));
        QVERIFY2(
            loudness(name) - quietest <= 3.0,
            qPrintable(
                QStringLiteral("%1 dB over the quietest sound").arg(loudness(name) - quietest)));
    }
};

QTEST_MAIN(TestContentFiles)
#include "test_content_files.moc"
