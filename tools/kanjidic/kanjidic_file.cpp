#include "tools/kanjidic/kanjidic_file.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <stdexcept>
#include <zlib.h>

namespace content {

namespace {

[[noreturn]] void fail(const QString& why) {
    throw std::runtime_error(why.toStdString());
}

// The whole file, uncompressed; gzread passes a plain file through unchanged.
QByteArray readAll(const QString& path) {
    gzFile file = gzopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        fail(QStringLiteral("cannot read %1 (install the kanjidic-xml package)").arg(path));
    QByteArray data;
    char buffer[1 << 16];
    int got = 0;
    while ((got = gzread(file, buffer, sizeof buffer)) > 0)
        data.append(buffer, got);
    const bool broken = got < 0;
    gzclose(file);
    if (broken)
        fail(QStringLiteral("cannot decompress %1").arg(path));
    return data;
}

// One <character> element, from just after its start tag to its end tag.
KanjiReadings readCharacter(QXmlStreamReader& xml) {
    KanjiReadings entry;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("character"))
            break;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("literal")) {
            entry.kanji = xml.readElementText();
        } else if (name == QLatin1String("grade")) {
            entry.grade = xml.readElementText().toInt();
        } else if (name == QLatin1String("reading")) {
            const auto type = xml.attributes().value(QLatin1String("r_type"));
            const QString text = xml.readElementText();
            if (type == QLatin1String("ja_on"))
                entry.on.append(text);
            else if (type == QLatin1String("ja_kun"))
                entry.kun.append(text);
        } else if (name == QLatin1String("meaning")) {
            // Meanings in other languages carry their language; the English ones carry none.
            const bool english = !xml.attributes().hasAttribute(QLatin1String("m_lang"));
            const QString text = xml.readElementText();
            if (english)
                entry.meanings.append(text);
        }
    }
    return entry;
}

} // namespace

QList<KanjiReadings> readKanjidic(const QString& path, const QStringList& kanji) {
    QHash<QString, KanjiReadings> wanted;
    for (const QString& k : kanji)
        wanted.insert(k, {});
    QXmlStreamReader xml(readAll(path));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("character"))
            continue;
        KanjiReadings entry = readCharacter(xml);
        if (wanted.contains(entry.kanji) && wanted.value(entry.kanji).kanji.isEmpty())
            wanted.insert(entry.kanji, entry);
    }
    if (xml.hasError())
        fail(QStringLiteral("%1 is not KANJIDIC2: %2").arg(path, xml.errorString()));
    QList<KanjiReadings> entries;
    for (const QString& k : kanji) {
        if (wanted.value(k).kanji.isEmpty())
            fail(QStringLiteral("%1 has no entry for %2").arg(path, k));
        entries.append(wanted.value(k));
    }
    return entries;
}

} // namespace content
