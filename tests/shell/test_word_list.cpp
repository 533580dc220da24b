#include "shell/content_error.h"
#include "shell/word_list.h"

#include <QTest>

namespace {
const QString kFile = QStringLiteral("/game/data/ox/h1o.dat");

WordListArray filled(std::int16_t value) {
    WordListArray list;
    list.fill(value);
    return list;
}
} // namespace

class TestWordList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsCountAndItems_data();
    void readsCountAndItems();
    void rejectsFaults_data();
    void rejectsFaults();
    void countOf219IsTheLargestAccepted();
    void shorterListKeepsStaleEntriesAboveItsCount();
    void zeroCountLeavesTheListUntouched();
    void faultNamesTheFile();
};

void TestWordList::readsCountAndItems_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("items");

    QTest::newRow("one per line, CR LF")
        << QByteArray("3\r\n12\r\n45\r\n101\r\n") << 3 << QList<int>{12, 45, 101};
    QTest::newRow("no final line end") << QByteArray("2\r\n7\r\n219") << 2 << QList<int>{7, 219};
    QTest::newRow("commas") << QByteArray("3,1,2,3") << 3 << QList<int>{1, 2, 3};
    QTest::newRow("blanks around commas")
        << QByteArray("3 , 1 ,2,  3\r\n") << 3 << QList<int>{1, 2, 3};
    QTest::newRow("blanks only") << QByteArray("2 0 9") << 2 << QList<int>{0, 9};
    QTest::newRow("bare LF and tabs") << QByteArray("2\n5\t6\n") << 2 << QList<int>{5, 6};
    QTest::newRow("blank lines between items")
        << QByteArray("2\r\n\r\n8\r\n\r\n9\r\n") << 2 << QList<int>{8, 9};
    // Anything after the last counted item is never read, even if it is not a number.
    QTest::newRow("extra items ignored")
        << QByteArray("2\r\n1\r\n2\r\n3\r\nabc\r\n99999") << 2 << QList<int>{1, 2};
    QTest::newRow("count 0") << QByteArray("0\r\n") << 0 << QList<int>{};
    QTest::newRow("count 0 then garbage") << QByteArray("0\r\nxyz") << 0 << QList<int>{};
    QTest::newRow("negative count reads nothing")
        << QByteArray("-3\r\n1\r\n") << -3 << QList<int>{};
    QTest::newRow("plus sign") << QByteArray("+1\r\n+5") << 1 << QList<int>{5};
}

void TestWordList::readsCountAndItems() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(QList<int>, items);

    WordListArray list = filled(-1);
    QCOMPARE(int(parseWordList(bytes, kFile, list)), count);
    for (int k = 1; k <= items.size(); ++k)
        QCOMPARE(int(list[k]), items[k - 1]);
    QCOMPARE(int(list[0]), -1); // index 0 never receives an item
    QCOMPARE(int(list[items.size() + 1]), -1);
}

void TestWordList::rejectsFaults_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("faultPart");

    QTest::newRow("empty file") << QByteArray() << QStringLiteral("空のファイル");
    QTest::newRow("only separators") << QByteArray("\r\n \r\n") << QStringLiteral("空のファイル");
    QTest::newRow("short file") << QByteArray("3\r\n1\r\n2\r\n")
                                << QStringLiteral("項目が足りません");
    QTest::newRow("count above 219") << QByteArray("220\r\n1") << QStringLiteral("上限");
    QTest::newRow("count far above 219") << QByteArray("30000") << QStringLiteral("上限");
    QTest::newRow("letters in the count") << QByteArray("3a\r\n1") << QStringLiteral("10進数");
    QTest::newRow("letters in an item") << QByteArray("2\r\n1\r\nx2") << QStringLiteral("10進数");
    QTest::newRow("decimal point") << QByteArray("1\r\n1.5") << QStringLiteral("10進数");
    QTest::newRow("lone sign") << QByteArray("1\r\n-") << QStringLiteral("10進数");
    QTest::newRow("full-width digit") << QByteArray("1\r\n\x82\x50") << QStringLiteral("10進数");
    QTest::newRow("above 16 bits") << QByteArray("1\r\n32768") << QStringLiteral("16ビット");
    QTest::newRow("far above 16 bits")
        << QByteArray("1\r\n99999999999999999999") << QStringLiteral("16ビット");
    QTest::newRow("below 16 bits") << QByteArray("1\r\n-32769") << QStringLiteral("16ビット");
    QTest::newRow("character above 219") << QByteArray("2\r\n5\r\n220") << QStringLiteral("範囲外");
    QTest::newRow("negative character") << QByteArray("1\r\n-1") << QStringLiteral("範囲外");
}

void TestWordList::rejectsFaults() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, faultPart);

    WordListArray list{};
    try {
        parseWordList(bytes, kFile, list);
        QFAIL("a faulty list was accepted");
    } catch (const ContentError& error) {
        QVERIFY2(error.fault().contains(faultPart), qPrintable(error.fault()));
    }
}

void TestWordList::countOf219IsTheLargestAccepted() {
    QByteArray bytes = "219\r\n";
    for (int k = 1; k <= 219; ++k)
        bytes += QByteArray::number(219 - k) + "\r\n";
    WordListArray list{};
    QCOMPARE(int(parseWordList(bytes, kFile, list)), 219);
    QCOMPARE(int(list[1]), 218);
    QCOMPARE(int(list[219]), 0);
}

void TestWordList::shorterListKeepsStaleEntriesAboveItsCount() {
    WordListArray list{};
    parseWordList("10 1 2 3 4 5 6 7 8 9 10", kFile, list);
    QCOMPARE(int(parseWordList("5 21 22 23 24 25", kFile, list)), 5);
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(int(list[k]), 20 + k);
    for (int k = 6; k <= 10; ++k)
        QCOMPARE(int(list[k]), k);
}

void TestWordList::zeroCountLeavesTheListUntouched() {
    WordListArray list = filled(7);
    QCOMPARE(int(parseWordList("0", kFile, list)), 0);
    QVERIFY(std::all_of(list.begin(), list.end(), [](std::int16_t v) { return v == 7; }));
}

void TestWordList::faultNamesTheFile() {
    WordListArray list{};
    try {
        loadWordList(QStringLiteral("/nonexistent/data/ox/h4x.dat"), list);
        QFAIL("a missing file was accepted");
    } catch (const ContentError& error) {
        QCOMPARE(error.file(), QStringLiteral("/nonexistent/data/ox/h4x.dat"));
        QVERIFY(error.message().contains(QStringLiteral("/nonexistent/data/ox/h4x.dat")));
        QVERIFY(error.fault().contains(QStringLiteral("見つかりません")));
    }
}

QTEST_GUILESS_MAIN(TestWordList)
#include "test_word_list.moc"
