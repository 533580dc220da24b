#include "tools/content/content_writer.h"

#include "artwork/painting.h"
#include "facts/content_catalogue.h"
#include "facts/radicals.h"
#include "shell/content_paths.h"
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

void ContentWriter::writePictures(const QString& path, const std::function<QImage(int)>& paint,
                                  const std::function<QImage(const QImage&)>& index) {
    writeFile(path, encodeGif(index(paint(1))));
    writeFile(content_paths::doubleSizePicture(path), encodeGif(index(paint(2))));
}

void ContentWriter::writeGlyphPictures() {
    const GlyphPictures glyphs;
    const auto grey = [](const QImage& picture) { return toGreyLevels(picture, kGreyLevels); };
    for (int d = 1; d <= kRadicalCount; ++d)
        writePictures(
            content_paths::radicalPicture(m_outDir, d),
            [&glyphs, d](int scale) { return glyphs.radicalPicture(d, scale); }, grey);
    const QList<int> used = m_table.usedNumbers();
    for (const int n : used) {
        const QString glyph = m_table.rows().at(n).glyph;
        writePictures(
            content_paths::characterPicture(m_outDir, n),
            [&glyphs, &glyph](int scale) { return glyphs.componentPicture(glyph, scale); }, grey);
    }
    removeStaleCharacterPictures(used);
}

// A component taken out of every list leaves its old pictures behind; they go, so that the
// content directory holds exactly what the table gives.
void ContentWriter::removeStaleCharacterPictures(const QList<int>& used) {
    const QFileInfo anyPicture(content_paths::characterPicture(m_outDir, 0));
    QDir dir = anyPicture.absoluteDir();
    static const QRegularExpression name(QStringLiteral("^b(\\d+)(@2x)?\\.gif$"));
    for (const QString& file : dir.entryList({QStringLiteral("b*.gif")}, QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (match.hasMatch() && !used.contains(match.captured(1).toInt()))
            dir.remove(file);
    }
}

void ContentWriter::writeArtwork() {
    namespace files = content_catalogue;
    const auto picture = [this](const files::Picture& file,
                                const std::function<QImage(int)>& paint) {
        writePictures(content_paths::picture(m_outDir, file.fileName), paint,
                      [](const QImage& image) { return toPalette(image, 256); });
    };
    for (const auto& [file, medal] :
         {std::pair{files::kGoldMedal, Medal::Gold}, std::pair{files::kSilverMedal, Medal::Silver},
          std::pair{files::kCopperMedal, Medal::Copper}})
        picture(file, [medal](int scale) { return medalPicture(medal, scale); });
    picture(files::kCrow, crowPicture);
    // Shown 3, 2, 1.
    const int steps = static_cast<int>(files::kCountdown.size());
    for (int i = 0; i < steps; ++i)
        picture(files::kCountdown[static_cast<std::size_t>(i)],
                [digit = steps - i](int scale) { return countdownPicture(digit, scale); });
    // The gauge has four colours only, so its palette is exact and every pixel stays as drawn.
    picture(files::kGauge, artwork::paintEmptyGauge);
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
