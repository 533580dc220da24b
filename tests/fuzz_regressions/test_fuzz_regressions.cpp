#include "fuzz/checks/how_to_play_check.h"
#include "fuzz/checks/picture_check.h"
#include "fuzz/checks/word_list_check.h"
#include "shell/cp932.h"

#include <QDir>
#include <QFile>
#include <QTest>

// Every input the fuzz targets start from or once failed on is read again here through the
// game's parsers, with the fuzz targets' own rules, so that a fault found once stays fixed.

namespace {

const QStringList kTargets{QStringLiteral("word_list"), QStringLiteral("how_to_play"),
                           QStringLiteral("picture")};

QFileInfoList keptInputs(const QString& target) {
    QFileInfoList files;
    for (const QString& root : {QStringLiteral(KQ_FUZZ_CORPUS), QStringLiteral(KQ_FUZZ_KEPT)})
        files += QDir(root + QLatin1Char('/') + target).entryInfoList(QDir::Files, QDir::Name);
    return files;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestFuzzRegressions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTargetHasInputs();
    void keptInputsKeepTheRules_data();
    void keptInputsKeepTheRules();
    void controlCodesReadAsThemselves_data();
    void controlCodesReadAsThemselves();
};

void TestFuzzRegressions::everyTargetHasInputs() {
    for (const QString& target : kTargets)
        QVERIFY2(keptInputs(target).size() >= 5, qPrintable(target));
}

void TestFuzzRegressions::keptInputsKeepTheRules_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("path");
    for (const QString& target : kTargets) {
        for (const QFileInfo& file : keptInputs(target)) {
            const bool kept = file.absoluteFilePath().startsWith(QStringLiteral(KQ_FUZZ_KEPT));
            const QString row = target +
                                (kept ? QStringLiteral(" kept ") : QStringLiteral(" seed ")) +
                                file.fileName();
            QTest::newRow(qPrintable(row)) << target << file.absoluteFilePath();
        }
    }
}

void TestFuzzRegressions::keptInputsKeepTheRules() {
    QFETCH(QString, target);
    QFETCH(QString, path);
    QString broken;
    if (target == QStringLiteral("word_list"))
        broken = checkWordList(contents(path));
    else if (target == QStringLiteral("how_to_play"))
        broken = checkHowToPlay(contents(path));
    else
        broken = checkPicture(path);
    QVERIFY2(broken.isEmpty(), qPrintable(broken));
}

// ICU's table for the code page trades the control codes 0x1A, 0x1C and 0x7F; the game reads
// and writes them as themselves, as code page 932 does.
void TestFuzzRegressions::controlCodesReadAsThemselves_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0x1A") << QByteArray("\x1a") << QStringLiteral("\x1a");
    QTest::newRow("0x1C") << QByteArray("\x1c") << QStringLiteral("\x1c");
    QTest::newRow("0x7F") << QByteArray("\x7f") << QStringLiteral("\x7f");
    QTest::newRow("between kanji")
        << QByteArray("\x8a\xbf\x1a\x8e\x9a\x7f\x1c") << QStringLiteral("漢\x1a字\x7f\x1c");
}

void TestFuzzRegressions::controlCodesReadAsThemselves() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeCp932(bytes), std::optional<QString>(text));
    QCOMPARE(encodeCp932(text), std::optional<QByteArray>(bytes));
}

QTEST_MAIN(TestFuzzRegressions)
#include "test_fuzz_regressions.moc"
