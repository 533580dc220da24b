#include "shell/content_error.h"
#include "shell/cp932.h"
#include "shell/how_to_play.h"

#include <QTest>

namespace {
const QString kFile = QStringLiteral("/game/data/遊び方.txt");
}

class TestHowToPlay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitsLines_data();
    void splitsLines();
    void decodesCodePage932();
    void rejectsInvalidBytes_data();
    void rejectsInvalidBytes();
    void readsAnyNumberOfLongLines();
};

void TestHowToPlay::splitsLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("one line with end") << QByteArray("abc\r\n") << QStringList{"abc"};
    QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("final line end adds nothing")
        << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("blank lines keep their places")
        << QByteArray("a\r\n\r\n\r\nb\r\n") << QStringList{"a", "", "", "b"};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("blank last line") << QByteArray("a\r\n\r\n") << QStringList{"a", ""};
    QTest::newRow("unix line ends") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("blanks are kept") << QByteArray("  a b  \r\n") << QStringList{"  a b  "};
    // Guards: the end-of-file mark of old editors shown as a box on a line of its own.
    QTest::newRow("end-of-file mark after the last line end")
        << QByteArray("a\r\nb\r\n\x1a") << QStringList{"a", "b"};
    QTest::newRow("end-of-file mark ends the last line")
        << QByteArray("a\r\nb\x1a") << QStringList{"a", "b"};
    QTest::newRow("only an end-of-file mark") << QByteArray("\x1a") << QStringList{};
    QTest::newRow("0x1A inside a line is kept")
        << QByteArray("a\x1a b\r\n") << QStringList{QStringLiteral("a\x1a b")};
}

void TestHowToPlay::splitsLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(parseHowToPlay(bytes, kFile), lines);
}

void TestHowToPlay::decodesCodePage932() {
    // "遊び方" and a full-width tilde, as code page 932 bytes.
    const QByteArray bytes("\x97\x56\x82\xd1\x95\xfb\r\n\x81\x60", 10);
    QCOMPARE(parseHowToPlay(bytes, kFile),
             (QStringList{QStringLiteral("遊び方"), QStringLiteral("～")}));

    const QString text = QStringLiteral("ある・ない　正解率％ ①");
    const std::optional<QByteArray> encoded = encodeCp932(text);
    QVERIFY(encoded.has_value());
    QCOMPARE(decodeCp932(*encoded), std::optional<QString>(text));
}

void TestHowToPlay::rejectsInvalidBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("lead byte at the end") << QByteArray("abc\x82");
    QTest::newRow("bad trail byte") << QByteArray("\x82\x20xyz");
    QTest::newRow("unassigned lead byte") << QByteArray("\xa0\r\n");
    QTest::newRow("utf-8 text") << QByteArray("遊び方");
}

void TestHowToPlay::rejectsInvalidBytes() {
    QFETCH(QByteArray, bytes);
    try {
        parseHowToPlay(bytes, kFile);
        QFAIL("invalid code page 932 was accepted");
    } catch (const ContentError& error) {
        QCOMPARE(error.file(), kFile);
        QVERIFY(error.fault().contains(QStringLiteral("932")));
    }
}

void TestHowToPlay::readsAnyNumberOfLongLines() {
    QByteArray bytes;
    const QByteArray longLine(5000, 'x');
    for (int i = 0; i < 3000; ++i)
        bytes += longLine + "\r\n";
    const QStringList lines = parseHowToPlay(bytes, kFile);
    QCOMPARE(lines.size(), 3000);
    QCOMPARE(lines.last().size(), 5000);
}

QTEST_GUILESS_MAIN(TestHowToPlay)
#include "test_how_to_play.moc"
