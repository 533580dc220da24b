#pragma once

#include "facts/radicals.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>

/// The optional table of what each character picture shows: the component drawn in picture
/// b{number}.gif, for each radical the real kanji that radical and component form, and each
/// real kanji's readings and meanings. The content generator writes it beside the word lists,
/// UTF-8, fields separated by tabs: a line per component (number, component and six kanji
/// cells, a cell empty where the pair forms none) and a line per real kanji (kanji, on readings
/// and kun readings each separated by spaces, English meanings separated by "; "; any may be
/// empty). It only names characters in the review of a game: a missing or malformed table is an
/// empty one, and the game plays on without it.
class KanjiTable {
public:
    /// A kanji's readings in the dictionary's notation: on in katakana, kun in hiragana with "."
    /// before the okurigana and "-" marking an affix.
    struct Readings {
        QStringList on;
        QStringList kun;
        QStringList meanings; ///< English
        bool isEmpty() const { return on.isEmpty() && kun.isEmpty() && meanings.isEmpty(); }
    };

    /// Character numbers 0 to 219, one per component picture.
    static constexpr int kComponents = 220;

    /// Parses the bytes of a table; anything malformed gives an empty table.
    static KanjiTable parse(const QByteArray& bytes);
    /// Reads and parses the table file; a missing, unreadable or malformed file gives an empty
    /// table.
    static KanjiTable load(const QString& path);

    /// Whether the table names no component at all.
    bool isEmpty() const { return m_rows == 0; }
    /// The component drawn in picture b{number}.gif; empty when the table does not name it.
    QString component(int number) const;
    /// The real kanji that radical `radicalNo` (1 to 6) and component `number` form; empty when
    /// they form none or the table does not say.
    QString kanji(int number, int radicalNo) const;
    /// The readings and meanings of a kanji; empty when the table does not give them.
    Readings readings(const QString& kanji) const { return m_readings.value(kanji); }

private:
    struct Row {
        QString component; ///< empty for a number the table does not list
        std::array<QString, kRadicalCount> kanji;
    };
    std::array<Row, kComponents> m_table{};
    int m_rows = 0;
    QHash<QString, Readings> m_readings;
};
