#include "shell/content_paths.h"

#include <QDir>
#include <QTest>

class TestContentPaths : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void appPathDropsOneTrailingSeparator_data();
    void appPathDropsOneTrailingSeparator();
    void filesLieUnderTheAppPath_data();
    void filesLieUnderTheAppPath();
    void radicalDigitIsTheLastCharacter_data();
    void radicalDigitIsTheLastCharacter();
};

void TestContentPaths::appPathDropsOneTrailingSeparator_data() {
    QTest::addColumn<QString>("reported");
    QTest::addColumn<QString>("appPath");

    QTest::newRow("drive root") << QStringLiteral("C:\\") << QStringLiteral("C:");
    QTest::newRow("unix root") << QStringLiteral("/") << QString();
    QTest::newRow("plain directory") << QStringLiteral("/opt/game") << QStringLiteral("/opt/game");
    QTest::newRow("windows directory")
        << QStringLiteral("C:\\Games\\Quiz") << QStringLiteral("C:\\Games\\Quiz");
    QTest::newRow("only one separator goes")
        << QStringLiteral("/opt/game//") << QStringLiteral("/opt/game/");
    QTest::newRow("japanese directory")
        << QStringLiteral("/home/学生/漢字/") << QStringLiteral("/home/学生/漢字");
}

void TestContentPaths::appPathDropsOneTrailingSeparator() {
    QFETCH(QString, reported);
    QFETCH(QString, appPath);
    QCOMPARE(content_paths::appPathFrom(reported), appPath);
}

void TestContentPaths::filesLieUnderTheAppPath_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");

    const QString app = QStringLiteral("/opt/game");
    QTest::newRow("O list of radical 1")
        << content_paths::oListFile(app, 1) << QStringLiteral("/opt/game/data/ox/h1o.dat");
    QTest::newRow("X list of radical 6")
        << content_paths::xListFile(app, 6) << QStringLiteral("/opt/game/data/ox/h6x.dat");
    QTest::newRow("how to play") << content_paths::howToPlayFile(app)
                                 << QStringLiteral("/opt/game/data/遊び方.txt");
    QTest::newRow("radical picture")
        << content_paths::radicalPicture(app, 3) << QStringLiteral("/opt/game/data/画像/h3.gif");
    QTest::newRow("character 12") << content_paths::characterPicture(app, 12)
                                  << QStringLiteral("/opt/game/data/画像/b12.gif");
    QTest::newRow("character 0") << content_paths::characterPicture(app, 0)
                                 << QStringLiteral("/opt/game/data/画像/b0.gif");
    QTest::newRow("gauge") << content_paths::picture(app, u"waku.gif")
                           << QStringLiteral("/opt/game/data/画像/waku.gif");
    QTest::newRow("sound") << content_paths::sound(app, u"pipipi.wav")
                           << QStringLiteral("/opt/game/音/pipipi.wav");
    // The 2x form: the mark goes before the extension of the file, never into a folder's name.
    QTest::newRow("2x character 12")
        << content_paths::doubleSizePicture(content_paths::characterPicture(app, 12))
        << QStringLiteral("/opt/game/data/画像/b12@2x.gif");
    QTest::newRow("2x of a file without extension in a dotted folder")
        << content_paths::doubleSizePicture(QStringLiteral("/opt/game.d/画像/waku"))
        << QStringLiteral("/opt/game.d/画像/waku@2x");
    // Started from the root directory: the list is found right under it.
    QTest::newRow("root directory") << content_paths::oListFile(content_paths::appPathFrom("/"), 1)
                                    << QStringLiteral("/data/ox/h1o.dat");
}

void TestContentPaths::filesLieUnderTheAppPath() {
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(QDir::fromNativeSeparators(path), expected);
    QVERIFY(!path.contains(QLatin1Char('\\')) || QDir::separator() == QLatin1Char('\\'));
}

void TestContentPaths::radicalDigitIsTheLastCharacter_data() {
    QTest::addColumn<int>("radicalNo");
    QTest::addColumn<QString>("digit");
    QTest::newRow("1") << 1 << QStringLiteral("1");
    QTest::newRow("6") << 6 << QStringLiteral("6");
    QTest::newRow("12") << 12 << QStringLiteral("2");
    QTest::newRow("0") << 0 << QStringLiteral("0");
}

void TestContentPaths::radicalDigitIsTheLastCharacter() {
    QFETCH(int, radicalNo);
    QFETCH(QString, digit);
    QCOMPARE(content_paths::radicalDigit(radicalNo), digit);
}

QTEST_GUILESS_MAIN(TestContentPaths)
#include "test_content_paths.moc"
