#include "shell/cp932.h"
#include "shell/word_list.h"
#include "tools/content/components_table.h"
#include "tools/content/content_writer.h"

#include <QFile>
#include <QtTest>
#include <stdexcept>

// The components table in the repo and the word lists generated from it.
class ContentTableTest : public QObject {
    Q_OBJECT

private:
    static const content::ComponentsTable& table() {
        static const content::ComponentsTable loaded =
            content::ComponentsTable::load(QStringLiteral(KQ_CONTENT_TABLE));
        return loaded;
    }

    static QByteArray generated(const QString& relative) {
        QFile file(QStringLiteral(KQ_RUNTIME_DIR "/") + relative);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("generated content is missing: %s", qPrintable(file.fileName()));
        return file.readAll();
    }

    static QList<int> numbersOf(const WordListArray& list, int count) {
        QList<int> numbers;
        for (int i = 1; i <= count; ++i)
            numbers.append(list[static_cast<std::size_t>(i)]);
        return numbers;
    }

    static void radicalRows() {
        QTest::addColumn<int>("radical");
        for (int d = 1; d <= content::kRadicals; ++d)
            QTest::newRow(qPrintable(QStringLiteral("h%1").arg(d))) << d;
    }

    // A JIS X 0208 kanji takes two bytes in code page 932 with a lead byte of the kanji rows
    // (0x88-0x9F, 0xE0-0xEA); the vendor extensions (0xED, 0xEE, 0xFA-0xFC) are not JIS X 0208.
    static bool isJisX0208Kanji(const QString& kanji) {
        const std::optional<QByteArray> bytes = encodeCp932(kanji);
        if (!bytes || bytes->size() != 2)
            return false;
        const auto lead = static_cast<uchar>(bytes->at(0));
        return (lead >= 0x88 && lead <= 0x9f) || (lead >= 0xe0 && lead <= 0xea);
    }

private Q_SLOTS:
    // Guards: a table edited down below a game's worth of questions for one radical.
    void everyRadicalHasFortyRealAndFortyMadeUp_data() { radicalRows(); }
    void everyRadicalHasFortyRealAndFortyMadeUp() {
        QFETCH(int, radical);
        QVERIFY2(table().oList(radical).size() >= 40, "fewer than 40 real kanji");
        QVERIFY2(table().xList(radical).size() >= 40, "fewer than 40 made-up characters");
    }

    // Guards: a typo that puts a kana, two characters or a character outside JIS X 0208 where a
    // real kanji belongs; the player would be told a wrong fact.
    void everyRealCellIsOneJisKanji_data() { radicalRows(); }
    void everyRealCellIsOneJisKanji() {
        QFETCH(int, radical);
        for (const int n : table().oList(radical)) {
            const QString cell = table().rows().at(n).cells[static_cast<std::size_t>(radical - 1)];
            const char32_t code = cell.toUcs4().value(0);
            const bool ideograph = cell.size() == 1 && code >= 0x4e00 && code <= 0x9fff;
            QVERIFY2(ideograph && isJisX0208Kanji(cell),
                     qPrintable(QStringLiteral("b%1: %2").arg(n).arg(cell)));
        }
    }

    // Guards: lists generated from the wrong column, with doubtful '?' pairs, or with kanji and
    // made-up entries mixed up.
    void listFilesHoldExactlyTheTableColumns_data() { radicalRows(); }
    void listFilesHoldExactlyTheTableColumns() {
        QFETCH(int, radical);
        for (const bool real : {true, false}) {
            const QString name =
                QStringLiteral("data/ox/h%1%2.dat").arg(radical).arg(real ? 'o' : 'x');
            WordListArray list{};
            const int count = parseWordList(generated(name), name, list);
            const QList<int> expected = real ? table().oList(radical) : table().xList(radical);
            QCOMPARE(numbersOf(list, count), expected);
            for (const int n : expected) {
                const QString cell =
                    table().rows().at(n).cells[static_cast<std::size_t>(radical - 1)];
                QCOMPARE(content::ComponentsTable::isKanjiCell(cell), real);
                QVERIFY(cell != QLatin1String("?"));
            }
        }
    }

    // Guards: a list file laid out in another form than the count and one number a line, CR LF.
    void listFileLayout() {
        QCOMPARE(content::ContentWriter::wordListBytes({7, 12, 219}),
                 QByteArray("3\r\n7\r\n12\r\n219\r\n"));
        QCOMPARE(content::ContentWriter::wordListBytes({}), QByteArray("0\r\n"));
    }

    // Guards: the review table out of step with the lists (wrong kanji, "x" or "?" leaking in).
    void kanjiTableMatchesTheColumns() {
        const QStringList lines = QString::fromUtf8(generated(QStringLiteral("data/ox/kanji.tsv")))
                                      .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), content::kComponents);
        for (const content::Component& row : table().rows()) {
            const QStringList cols = lines.at(row.number).split(QLatin1Char('\t'));
            QCOMPARE(cols.size(), 2 + content::kRadicals);
            QCOMPARE(cols.at(0).toInt(), row.number);
            QCOMPARE(cols.at(1), row.glyph);
            for (int d = 0; d < content::kRadicals; ++d) {
                const QString& cell = row.cells[static_cast<std::size_t>(d)];
                QCOMPARE(cols.at(2 + d),
                         content::ComponentsTable::isKanjiCell(cell) ? cell : QString());
            }
        }
    }

    // Guards: a damaged table slipping through and producing lists from shifted columns.
    void malformedTablesAreRejected_data() {
        QTest::addColumn<QByteArray>("text");
        const QByteArray header = "number\tcomponent\th1\th2\th3\th4\th5\th6\tcodepoint\n";
        QTest::newRow("no header") << QByteArray("0\t丁\t訂\t?\t打\t?\t?\t汀\tU+4E01\n");
        QTest::newRow("missing column") << header + "0\t丁\t訂\t?\t打\t?\t?\tU+4E01\n";
        QTest::newRow("number out of order") << header + "1\t丁\t訂\t?\t打\t?\t?\t汀\tU+4E01\n";
        QTest::newRow("two-character cell") << header + "0\t丁\t訂訂\t?\t打\t?\t?\t汀\tU+4E01\n";
        QTest::newRow("too few rows") << header + "0\t丁\t訂\t?\t打\t?\t?\t汀\tU+4E01\n";
    }
    void malformedTablesAreRejected() {
        QFETCH(QByteArray, text);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, content::ComponentsTable::parse(text));
    }
};

QTEST_GUILESS_MAIN(ContentTableTest)
#include "content_table_test.moc"
