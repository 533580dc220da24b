#include "tools/content/content_writer.h"

#include "artwork/painting.h"
#include "shell/content_catalogue.h"
#include "shell/content_paths.h"
#include "shell/radicals.h"
#include "tools/content/game_art.h"
#include "tools/content/gif_writer.h"
#include "tools/content/glyph_pictures.h"
#include "tools/content/how_to_play_text.h"
#include "tools/content/palette.h"
#include "tools/content/sound_synth.h"
#include "tools/content/wav_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <stdexcept>

namespace content {

namespace {
// Grey levels of the character pictures: enough for smooth edges, few enough to stay small.
constexpr int kGreyLevels = 16;
const QByteArray kCrLf = QByteArrayLiteral("\r\n");
} // namespace

ContentWriter::ContentWriter(const ComponentsTable& table, const ReadingsExtract& readings,
                             const QString& outDir)
    : m_table(table), m_readings(readings), m_outDir(content_paths::appPathFrom(outDir)) {}

void ContentWriter::writeAll() {
    writeLists();
    writeText();
    writeGlyphPictures();
    writeArtwork();
    writeSounds();
}

QByteArray ContentWriter::wordListBytes(const QList<int>& numbers) {
    QByteArray bytes = QByteArray::number(numbers.size()) + kCrLf;
    for (const int n : numbers)
        bytes += QByteArray::number(n) + kCrLf;
    return bytes;
}

QByteArray ContentWriter::kanjiTableBytes(const ComponentsTable& table,
                                          const ReadingsExtract& readings) {
    QString text;
    for (const Component& row : table.rows()) {
        text += QString::number(row.number) + QLatin1Char('\t') + row.glyph;
        for (const QString& cell : row.cells)
            text += QLatin1Char('\t') + (ComponentsTable::isKanjiCell(cell) ? cell : QString());
        text += QStringLiteral("\r\n");
    }
    for (const QString& kanji : table.realKanji()) {
        const KanjiReadings* entry = readings.find(kanji);
        if (!entry)
            throw std::runtime_error(
                QStringLiteral("%1 has no readings for %2 (run kanjidic_extract)")
                    .arg(QLatin1String(ReadingsExtract::kFileName), kanji)
                    .toStdString());
        text += QStringList{kanji, entry->on.join(u' '), entry->kun.join(u' '),
                            entry->meanings.join(QStringLiteral("; "))}
                    .join(u'\t') +
                QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

void ContentWriter::writeLists() {
    for (int d = 1; d <= kRadicalCount; ++d) {
        writeFile(content_paths::oListFile(m_outDir, d), wordListBytes(m_table.oList(d)));
        writeFile(content_paths::xListFile(m_outDir, d), wordListBytes(m_table.xList(d)));
    }
    writeFile(content_paths::join(m_outDir, u"\\data\\ox\\kanji.tsv"),
              kanjiTableBytes(m_table, m_readings));
}

void ContentWriter::writeGlyphPictures() {
    const GlyphPictures glyphs;
    for (int d = 1; d <= kRadicalCount; ++d)
        writeFile(content_paths::radicalPicture(m_outDir, d),
                  encodeGif(toGreyLevels(glyphs.radicalPicture(d), kGreyLevels)));
    const QList<int> used = m_table.usedNumbers();
    for (const int n : used)
        writeFile(content_paths::characterPicture(m_outDir, n),
                  encodeGif(toGreyLevels(glyphs.componentPicture(m_table.rows().at(n).glyph),
                                         kGreyLevels)));
    removeStaleCharacterPictures(used);
}

// A component taken out of every list leaves its old picture behind; it goes, so that the
// content directory holds exactly what the table gives.
void ContentWriter::removeStaleCharacterPictures(const QList<int>& used) {
    const QFileInfo anyPicture(content_paths::characterPicture(m_outDir, 0));
    QDir dir = anyPicture.absoluteDir();
    static const QRegularExpression name(QStringLiteral("^b(\\d+)\\.gif$"));
    for (const QString& file : dir.entryList({QStringLiteral("b*.gif")}, QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch() && !used.contains(match.captured(1).toInt()))
            dir.remove(file);
    }
}

void ContentWriter::writeArtwork() {
    namespace files = content_catalogue;
    const auto picture = [this](const files::Picture& file, const QImage& image) {
        writeFile(content_paths::picture(m_outDir, file.fileName),
                  encodeGif(toPalette(image, 256)));
    };
    picture(files::kGoldMedal, medalPicture(Medal::Gold));
    picture(files::kSilverMedal, medalPicture(Medal::Silver));
    picture(files::kCopperMedal, medalPicture(Medal::Copper));
    picture(files::kCrow, crowPicture());
    // Shown 3, 2, 1.
    const int steps = static_cast<int>(files::kCountdown.size());
    for (int i = 0; i < steps; ++i)
        picture(files::kCountdown[static_cast<std::size_t>(i)], countdownPicture(steps - i));
    // The gauge has four colours only, so its palette is exact and every pixel stays as drawn.
    picture(files::kGauge, artwork::paintEmptyGauge());
}

void ContentWriter::writeSounds() {
    for (const Sound& sound : gameSounds())
        writeFile(content_paths::sound(m_outDir, sound.fileName), encodeWav(sound.samples));
}

void ContentWriter::writeText() {
    writeFile(content_paths::howToPlayFile(m_outDir), howToPlayBytes());
}

void ContentWriter::writeFile(const QString& path, const QByteArray& bytes) {
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir))
        throw std::runtime_error(QStringLiteral("cannot create %1").arg(dir).toStdString());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush())
        throw std::runtime_error(
            QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
    ++m_files;
    m_bytes += bytes.size();
}

} // namespace content
