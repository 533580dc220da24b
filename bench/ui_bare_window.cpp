// The baseline of the start-up benchmark: a bare Qt window that shows one label, linking Qt's
// widgets and nothing of the game.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("漢字"));
    label.resize(320, 200);
    label.show();
    return app.exec();
}
