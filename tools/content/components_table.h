#pragma once

#include "facts/radicals.h"

#include <QList>
#include <QString>
#include <array>

// The components table: which component each character number shows, and for each of the six
// radicals whether radical + component is a real kanji, made up, or doubtful.
namespace content {

inline constexpr int kRadicals = kRadicalCount;
inline constexpr int kComponents = 220;

/// The whole of a source file of the content (the table, the readings extract); throws
/// std::runtime_error naming it when it cannot be read.
QByteArray readSourceFile(const QString& path);

/// One row of the table.
struct Component {
    int number = 0;                       ///< character number 0..219
    QString glyph;                        ///< the right-hand component, one character
    std::array<QString, kRadicals> cells; ///< per radical: the real kanji, "x" or "?"
};

/// The whole table, indexed by character number.
class ComponentsTable {
public:
    /// Parses the tab-separated text (header line, then rows 0..219 in order). Throws
    /// std::runtime_error with the line number for any malformed row.
    static ComponentsTable parse(const QByteArray& utf8);
    /// Reads and parses the file; throws std::runtime_error naming it when it cannot be read.
    static ComponentsTable load(const QString& path);

    /// All rows, row i holding character number i.
    const QList<Component>& rows() const { return m_rows; }
    /// Numbers whose cell for radical 1..6 is a real kanji, ascending.
    QList<int> oList(int radicalNo) const;
    /// Numbers whose cell for radical 1..6 is "x", ascending.
    QList<int> xList(int radicalNo) const;
    /// Numbers that appear in any O or X list, ascending.
    QList<int> usedNumbers() const;
    /// Every real kanji of the O lists, by character number and then radical.
    QStringList realKanji() const;

    /// True when a cell names a real kanji (neither "x" nor "?").
    static bool isKanjiCell(const QString& cell);

private:
    QList<Component> m_rows;
};

} // namespace content
