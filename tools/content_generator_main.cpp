// Generates the game's content from the components table and the readings extract beside it
// (kanjidic.tsv): content_generator TABLE OUTDIR
#include "tools/content/components_table.h"
#include "tools/content/content_writer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    // The generator draws without a screen, on any machine.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: content_generator COMPONENTS_TABLE OUTPUT_DIR\n");
        return 2;
    }
    try {
        QElapsedTimer timer;
        timer.start();
        const content::ComponentsTable table = content::ComponentsTable::load(args.at(1));
        const content::ReadingsExtract readings = content::ReadingsExtract::load(
            QFileInfo(args.at(1))
                .dir()
                .filePath(QLatin1String(content::ReadingsExtract::kFileName)));
        content::ContentWriter writer(table, readings, args.at(2));
        writer.writeAll();
        std::printf("content: %d files, %lld bytes, %lld ms\n", writer.filesWritten(),
                    static_cast<long long>(writer.bytesWritten()),
                    static_cast<long long>(timer.elapsed()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "content_generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
