#include "tests/support/test_files.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The generator run as the build runs it: the same sources must give the same bytes, so that a
// rebuild never changes the content and a content directory can be compared with a fresh one.
class TestContentDeterminism : public QObject {
    Q_OBJECT

private:
    static void generate(const QString& outDir) {
        QProcess generator;
        generator.start(QStringLiteral(KQ_CONTENT_GENERATOR),
                        {QStringLiteral(KQ_CONTENT_TABLE), outDir});
        QVERIFY(generator.waitForFinished(120000));
        QVERIFY2(generator.exitCode() == 0, generator.readAllStandardError().constData());
    }

    static QMap<QString, QByteArray> filesUnder(const QString& dir) {
        QMap<QString, QByteArray> files;
        QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly))
                files.insert(file.fileName().mid(dir.size()), file.readAll());
        }
        return files;
    }

private Q_SLOTS:
    // Guards: anything that leaks time, addresses, hash order or uninitialised memory into the
    // content (a timestamp, an unseeded noise source, a palette in hash order).
    void twoRunsGiveTheSameBytes() {
        QTemporaryDir first;
        QTemporaryDir second;
        QVERIFY(first.isValid() && second.isValid());
        generate(first.path());
        generate(second.path());
        const QMap<QString, QByteArray> a = filesUnder(first.path());
        const QMap<QString, QByteArray> b = filesUnder(second.path());
        QCOMPARE(a.keys(), b.keys());
        QVERIFY(a.size() > 230);
        for (auto it = a.cbegin(); it != a.cend(); ++it)
            QVERIFY2(it.value() == b.value(it.key()), qPrintable(it.key()));
        // The build's own content came from the same sources.
        const QMap<QString, QByteArray> built = filesUnder(QStringLiteral(KQ_RUNTIME_DIR));
        for (auto it = a.cbegin(); it != a.cend(); ++it)
            QVERIFY2(it.value() == built.value(it.key()), qPrintable(it.key()));
    }

    // Guards: a generator that reports success after failing, so that the build goes on with
    // old or half-written content.
    void badTableFailsTheRun() {
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("bad.tsv"));
        QVERIFY(test_files::write(table, "number\tcomponent\th1\n0\t丁\n"));
        QProcess generator;
        generator.start(QStringLiteral(KQ_CONTENT_GENERATOR), {table, dir.filePath("out")});
        QVERIFY(generator.waitForFinished(60000));
        QCOMPARE(generator.exitCode(), 1);
        QVERIFY(generator.readAllStandardError().contains("line 2"));
    }
};

QTEST_GUILESS_MAIN(TestContentDeterminism)
#include "test_content_determinism.moc"
