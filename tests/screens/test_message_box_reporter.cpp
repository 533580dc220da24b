#include "screens/message_box_reporter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The reporter the game uses: a message box in Japanese that names the file and the fault,
// then the end of the program with a non-zero exit code.
class TestMessageBoxReporter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheFileAndTheFaultThenEndsWithCodeOne();
};

void TestMessageBoxReporter::showsTheFileAndTheFaultThenEndsWithCodeOne() {
    const ContentError error(QStringLiteral("/game/data/ox/h3o.dat"),
                             QStringLiteral("項目の数が足りません。"));
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // Answers the box as the player would, once it is up (inside its own event loop).
    QTimer player;
    connect(&player, &QTimer::timeout, this, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->buttons().first()->click();
            player.stop();
        }
    });
    player.start(0);
    QTimer::singleShot(0, this, [&] {
        MessageBoxReporter reporter;
        reporter.report(error);
    });
    const int exitCode = QCoreApplication::exec();
    QCOMPARE(exitCode, 1);
    QCOMPARE(title, QStringLiteral("漢字クイズ"));
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY(text.contains(error.file()));
    QVERIFY(text.contains(error.fault()));
}

QTEST_MAIN(TestMessageBoxReporter)
#include "test_message_box_reporter.moc"
