#pragma once

#include "tools/content/components_table.h"
#include "tools/content/kanji_readings.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

namespace content {

/// Lays out every content file of the game under one directory (the directory that the game
/// takes as AppPath): word lists, the review table, the how-to-play text, all pictures and all
/// sounds. Paths come from shell/content_paths.h, the same module the game opens them with.
class ContentWriter {
public:
    /// `outDir` is created when missing; existing files are overwritten.
    ContentWriter(const ComponentsTable& table, const ReadingsExtract& readings,
                  const QString& outDir);

    /// Writes everything; throws std::runtime_error on any failure (font, glyph, disk).
    void writeAll();
    /// Number of files written so far.
    int filesWritten() const { return m_files; }
    /// Total bytes written so far.
    qint64 bytesWritten() const { return m_bytes; }

    /// A word-list file: the count, then one number per line, CR LF.
    static QByteArray wordListBytes(const QList<int>& numbers);
    /// The review table, UTF-8, CR LF: a line per component (number TAB component TAB k1..k6,
    /// the real kanji or empty), then a line per real kanji (kanji TAB on TAB kun TAB meanings,
    /// readings separated by spaces, meanings by "; "). Throws std::runtime_error when the
    /// readings lack a real kanji of the table.
    static QByteArray kanjiTableBytes(const ComponentsTable& table,
                                      const ReadingsExtract& readings);

private:
    void writeLists();
    /// Writes the picture at `path` and its 2x form beside it: `paint` draws it at a scale of 1
    /// and of 2, `index` turns each drawing into the indexed picture that GIF stores.
    void writePictures(const QString& path, const std::function<QImage(int)>& paint,
                       const std::function<QImage(const QImage&)>& index);
    void writeGlyphPictures();
    void removeStaleCharacterPictures(const QList<int>& used);
    void writeArtwork();
    void writeSounds();
    void writeText();
    void writeFile(const QString& path, const QByteArray& bytes);

    const ComponentsTable& m_table;
    const ReadingsExtract& m_readings;
    QString m_outDir;
    int m_files = 0;
    qint64 m_bytes = 0;
};

} // namespace content
