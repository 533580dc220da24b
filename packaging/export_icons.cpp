// Writes the game's icon at the sizes a desktop install needs, as PNG files in a folder.
#include "artwork/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: export_icons <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const int size : artwork::kIconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!out.mkpath(folder)) {
            std::fprintf(stderr, "cannot make %s\n", qPrintable(out.filePath(folder)));
            return 1;
        }
        const QString file =
            out.filePath(folder + QStringLiteral("/io.github.kanjiquiz.KanjiQuiz.png"));
        if (!artwork::iconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
