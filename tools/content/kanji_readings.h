#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace content {

/// What the dictionary says about one kanji, in KANJIDIC's own notation.
struct KanjiReadings {
    QString kanji;
    int grade = 0;        ///< 1-6 taught at school, 8 other Jōyō, 9-10 Jinmeiyō, 0 neither
    QStringList on;       ///< on readings, katakana
    QStringList kun;      ///< kun readings, hiragana: "." before okurigana, "-" for an affix
    QStringList meanings; ///< English meanings

    /// Jōyō or Jinmeiyō: the kanji a learner is expected to meet.
    bool isCommon() const { return grade >= 1 && grade <= 10; }
    bool operator==(const KanjiReadings&) const = default;
};

/// The extract of KANJIDIC2 kept in the repo beside the components table (kanjidic.tsv): one
/// line per kanji the lists use, so that the build needs no dictionary package. UTF-8, a header
/// line, then kanji TAB grade TAB on TAB kun TAB meanings; readings separated by spaces,
/// meanings by "; ".
class ReadingsExtract {
public:
    /// The file name, beside components.tsv.
    static constexpr const char* kFileName = "kanjidic.tsv";

    /// Parses the file's bytes; throws std::runtime_error with the line number for any
    /// malformed line.
    static ReadingsExtract parse(const QByteArray& utf8);
    /// Reads and parses the file; throws std::runtime_error naming it when it cannot be read.
    static ReadingsExtract load(const QString& path);
    /// The file's bytes for `entries`, in their order. Throws std::runtime_error for a field
    /// that the layout cannot carry (a tab, a line break, a separator inside a reading or
    /// meaning).
    static QByteArray bytes(const QList<KanjiReadings>& entries);

    const QList<KanjiReadings>& entries() const { return m_entries; }
    /// The entry of `kanji`, or nullptr.
    const KanjiReadings* find(const QString& kanji) const;

private:
    QList<KanjiReadings> m_entries;
};

} // namespace content
