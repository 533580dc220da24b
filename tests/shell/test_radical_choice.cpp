#include "facts/radicals.h"
#include "round/playable_lists.h"
#include "shell/content_error.h"
#include "shell/radical_choice.h"
#include "tests/support/test_files.h"
#include "tools/content/content_writer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray listBytes(const QList<int>& items) {
    return content::ContentWriter::wordListBytes(items);
}

using test_files::range;

} // namespace

class TestRadicalChoice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void loadsBothListsOfTheChosenRadical_data();
    void loadsBothListsOfTheChosenRadical();
    void aFaultInTheXListNamesThatFile();
    void missingListNamesTheFile();
    void unplayableLists_data();
    void unplayableLists();
    void radicalNames();

private:
    void writeList(int radical, char kind, const QByteArray& bytes);

    std::unique_ptr<QTemporaryDir> m_dir;
    SharedState m_state;
};

void TestRadicalChoice::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("data/ox")));
    m_state = SharedState{};
    m_state.appPath = m_dir->path();
}

void TestRadicalChoice::writeList(int radical, char kind, const QByteArray& bytes) {
    QVERIFY(test_files::write(
        m_dir->filePath(QStringLiteral("data/ox/h%1%2.dat").arg(radical).arg(QLatin1Char(kind))),
        bytes));
}

void TestRadicalChoice::loadsBothListsOfTheChosenRadical_data() {
    QTest::addColumn<int>("radical");
    QTest::newRow("first") << 1;
    QTest::newRow("last") << 6;
}

void TestRadicalChoice::loadsBothListsOfTheChosenRadical() {
    QFETCH(int, radical);
    writeList(radical, 'o', listBytes({10, 11, 12}));
    writeList(radical, 'x', listBytes({20, 21}));
    chooseRadical(m_state, radical);
    QCOMPARE(int(m_state.radicalNo), radical);
    QCOMPARE(int(m_state.oCount), 3);
    QCOMPARE(int(m_state.oList[3]), 12);
    QCOMPARE(int(m_state.xCount), 2);
    QCOMPARE(int(m_state.xList[1]), 20);
}

void TestRadicalChoice::aFaultInTheXListNamesThatFile() {
    writeList(2, 'o', listBytes({1, 2}));
    writeList(2, 'x', "2\r\n1\r\n");
    try {
        chooseRadical(m_state, 2);
        QFAIL("a short X list was accepted");
    } catch (const ContentError& error) {
        QVERIFY(error.file().endsWith(QStringLiteral("h2x.dat")));
    }
}

void TestRadicalChoice::missingListNamesTheFile() {
    writeList(3, 'x', listBytes({1}));
    try {
        chooseRadical(m_state, 3);
        QFAIL("a missing O list was accepted");
    } catch (const ContentError& error) {
        QVERIFY(error.file().endsWith(QStringLiteral("h3o.dat")));
    }
}

void TestRadicalChoice::unplayableLists_data() {
    QTest::addColumn<QList<int>>("oItems");
    QTest::addColumn<QList<int>>("xItems");
    QTest::addColumn<bool>("playable");

    QTest::newRow("O list empty") << QList<int>{} << range(0, 40) << false;
    QTest::newRow("X list empty") << range(0, 40) << QList<int>{} << false;
    QTest::newRow("30 different") << range(0, 15) << range(15, 15) << false;
    QTest::newRow("31 different") << range(0, 16) << range(16, 15) << true;
    // The same number in both lists counts once: the drawing cannot tell them apart.
    QTest::newRow("overlap counts once") << range(0, 20) << range(10, 20) << false;
    QTest::newRow("duplicates count once")
        << (range(0, 20) + range(0, 20)) << range(20, 10) << false;
    QTest::newRow("one O and thirty X") << QList<int>{100} << range(0, 30) << true;
}

void TestRadicalChoice::unplayableLists() {
    QFETCH(QList<int>, oItems);
    QFETCH(QList<int>, xItems);
    QFETCH(bool, playable);
    writeList(4, 'o', listBytes(oItems));
    writeList(4, 'x', listBytes(xItems));
    chooseRadical(m_state, 4);
    const QString reason = whyUnplayable(m_state);
    QCOMPARE(reason.isEmpty(), playable);
    if (!playable)
        QVERIFY(reason.contains(QStringLiteral("いとへん")));
}

void TestRadicalChoice::radicalNames() {
    QCOMPARE(radicalName(1), QStringLiteral("ごんべん"));
    QCOMPARE(radicalName(6), QStringLiteral("さんずい"));
    QVERIFY(radicalName(0).isEmpty());
    QVERIFY(radicalName(7).isEmpty());
}

QTEST_GUILESS_MAIN(TestRadicalChoice)
#include "test_radical_choice.moc"
