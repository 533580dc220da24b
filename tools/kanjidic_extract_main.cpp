// Writes the extract of KANJIDIC2 that the content is built with, for the kanji the lists use:
// kanjidic_extract [KANJIDIC2_FILE] COMPONENTS_TABLE OUTPUT
#include "tools/content/components_table.h"
#include "tools/kanjidic/kanjidic_file.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() == 2)
        args.prepend(QString::fromLatin1(content::kKanjidicFile));
    if (args.size() != 3) {
        std::fprintf(stderr,
                     "usage: kanjidic_extract [KANJIDIC2_FILE] COMPONENTS_TABLE OUTPUT\n"
                     "  KANJIDIC2_FILE defaults to %s (Debian kanjidic-xml)\n",
                     content::kKanjidicFile);
        return 2;
    }
    try {
        const content::ComponentsTable table = content::ComponentsTable::load(args.at(1));
        const QByteArray bytes =
            content::ReadingsExtract::bytes(content::readKanjidic(args.at(0), table.realKanji()));
        QFile out(args.at(2));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            out.write(bytes) != bytes.size() || !out.flush())
            throw std::runtime_error(QStringLiteral("cannot write %1: %2")
                                         .arg(args.at(2), out.errorString())
                                         .toStdString());
        std::printf("%lld kanji, %lld bytes\n", static_cast<long long>(table.realKanji().size()),
                    static_cast<long long>(bytes.size()));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kanjidic_extract: %s\n", e.what());
        return 1;
    }
    return 0;
}
