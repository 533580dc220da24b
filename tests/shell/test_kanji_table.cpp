#include "shell/content_paths.h"
#include "shell/kanji_table.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// One line as the generator writes it: number, component, six cells, CR LF.
QByteArray line(int number, const QString& component, const QStringList& cells) {
    QStringList fields{QString::number(number), component};
    fields += cells;
    return fields.join(QLatin1Char('\t')).toUtf8() + "\r\n";
}

const QStringList kNoKanji{"", "", "", "", "", ""};

// Components 0 (丁) and 105 (頼): 丁 forms 訂 with ごんべん, 打 with てへん, 汀 with さんずい;
// 頼 forms 瀬 with さんずい only. Then the readings of 訂 and 瀬 (瀬 has no on reading).
QByteArray goodTable() {
    return line(0, "丁", {"訂", "", "打", "", "", "汀"}) +
           line(105, "頼", {"", "", "", "", "", "瀬"}) +
           QByteArray("訂\tテイ\tただ.す\trevise; correct; edit\r\n瀬\t\tせ\trapids; shallows\r\n");
}

} // namespace

class TestKanjiTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsComponentsAndKanjiPerRadical();
    void acceptsLineFeedsAndAByteOrderMark();
    void malformedTableIsEmpty_data();
    void malformedTableIsEmpty();
    void fileBesideTheWordLists();
    void missingOversizedOrSpecialFileIsEmpty();
};

void TestKanjiTable::readsComponentsAndKanjiPerRadical() {
    const KanjiTable table = KanjiTable::parse(goodTable());
    QVERIFY(!table.isEmpty());
    QCOMPARE(table.component(0), QStringLiteral("丁"));
    QCOMPARE(table.kanji(0, 1), QStringLiteral("訂"));
    QCOMPARE(table.kanji(0, 2), QString());
    QCOMPARE(table.kanji(0, 3), QStringLiteral("打"));
    QCOMPARE(table.kanji(0, 6), QStringLiteral("汀"));
    QCOMPARE(table.component(105), QStringLiteral("頼"));
    QCOMPARE(table.kanji(105, 6), QStringLiteral("瀬"));
    QCOMPARE(table.kanji(105, 1), QString());
    QCOMPARE(table.readings("訂").on, QStringList{"テイ"});
    QCOMPARE(table.readings("訂").kun, QStringList{"ただ.す"});
    QCOMPARE(table.readings("訂").meanings, (QStringList{"revise", "correct", "edit"}));
    QCOMPARE(table.readings("瀬").on, QStringList());
    QCOMPARE(table.readings("瀬").kun, QStringList{"せ"});
    QVERIFY(table.readings("打").isEmpty()); // a kanji the table gives no readings for
    // Numbers the table does not list, and numbers and radicals out of range, name nothing.
    QCOMPARE(table.component(1), QString());
    QCOMPARE(table.component(-1), QString());
    QCOMPARE(table.component(220), QString());
    QCOMPARE(table.kanji(0, 0), QString());
    QCOMPARE(table.kanji(0, 7), QString());
}

void TestKanjiTable::acceptsLineFeedsAndAByteOrderMark() {
    QByteArray bytes = "\xEF\xBB\xBF" + goodTable();
    bytes.replace("\r\n", "\n");
    const KanjiTable table = KanjiTable::parse(bytes + "\n");
    QCOMPARE(table.component(0), QStringLiteral("丁"));
    QCOMPARE(table.kanji(105, 6), QStringLiteral("瀬"));
}

void TestKanjiTable::malformedTableIsEmpty_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("seven fields") << goodTable() + "7\t丈\t\t\t\t\t\r\n";
    QTest::newRow("nine fields") << goodTable() + "7\t丈\t\t\t\t\t\t\t\r\n";
    QTest::newRow("number 220") << goodTable() + line(220, "丈", kNoKanji);
    QTest::newRow("negative number") << goodTable() + line(-1, "丈", kNoKanji);
    QTest::newRow("number with a sign") << goodTable() + "+7\t丈\t\t\t\t\t\t\r\n";
    QTest::newRow("number with blanks") << goodTable() + " 7\t丈\t\t\t\t\t\t\r\n";
    QTest::newRow("number not a number") << goodTable() + "七\t丈\t\t\t\t\t\t\r\n";
    QTest::newRow("same number twice") << goodTable() + line(105, "頼", kNoKanji);
    QTest::newRow("no component") << goodTable() + line(7, "", kNoKanji);
    QTest::newRow("two-character component") << goodTable() + line(7, "丈丈", kNoKanji);
    QTest::newRow("two-character kanji cell")
        << goodTable() + line(7, "丈", {"", "仗仗", "", "", "", ""});
    QTest::newRow("not UTF-8") << goodTable() + "7\t\x8F\xE4\t\t\t\t\t\t\r\n";
    QTest::newRow("readings of two characters") << goodTable() + "打打\tダ\tう.つ\tstrike\r\n";
    QTest::newRow("readings of one kanji twice") << goodTable() + "訂\tテイ\t\trevise\r\n";
}

void TestKanjiTable::malformedTableIsEmpty() {
    QFETCH(QByteArray, bytes);
    const KanjiTable table = KanjiTable::parse(bytes);
    QVERIFY(table.isEmpty());
    // Nothing of the good lines before the fault survives.
    QCOMPARE(table.component(0), QString());
    QCOMPARE(table.kanji(0, 1), QString());
}

void TestKanjiTable::fileBesideTheWordLists() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("data/ox")));
    const QString path = content_paths::kanjiTableFile(dir.path());
    QCOMPARE(QDir::cleanPath(path), QDir::cleanPath(dir.path() + "/data/ox/kanji.tsv"));
    QVERIFY(test_files::write(path, goodTable()));
    QCOMPARE(KanjiTable::load(path).kanji(0, 3), QStringLiteral("打"));
}

void TestKanjiTable::missingOversizedOrSpecialFileIsEmpty() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(KanjiTable::load(dir.filePath(QStringLiteral("kanji.tsv"))).isEmpty());
    QVERIFY(KanjiTable::load(dir.path()).isEmpty()); // a folder of that name
#ifdef Q_OS_UNIX
    // Guards: a named pipe that nobody writes blocking the menu in opening it.
    const QString fifo = dir.filePath(QStringLiteral("fifo.tsv"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(KanjiTable::load(fifo).isEmpty());
#endif
    // Good lines followed by more than a megabyte of blank lines: not a table of 220 lines.
    const QString path = dir.filePath(QStringLiteral("big.tsv"));
    QVERIFY(test_files::write(path, goodTable() + QByteArray(1 << 20, '\n')));
    QVERIFY(KanjiTable::load(path).isEmpty());
}

QTEST_GUILESS_MAIN(TestKanjiTable)
#include "test_kanji_table.moc"
