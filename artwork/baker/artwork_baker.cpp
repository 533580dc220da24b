// Paints every built-in picture of the screens once, at build time, into files in a folder; the
// build embeds them in the program. The files hold the pixels as they are (raw_picture.h), so
// nothing is lost: the gauge stays an indexed picture with its four colours.
#include "artwork/picture_catalogue.h"
#include "artwork/raw_picture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

namespace {

// Writes only when the bytes differ, so that an unchanged picture does not rebuild the program.
bool writeIfChanged(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artwork_baker <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    for (const artwork::catalogue::Entry& entry : artwork::catalogue::entries()) {
        const QString path = out.filePath(entry.file);
        const QByteArray bytes = artwork::raw::encode(entry.paint());
        if (bytes.isEmpty() || !writeIfChanged(path, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
