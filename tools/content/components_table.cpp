#include "tools/content/components_table.h"

#include <QFile>
#include <stdexcept>

namespace content {

namespace {

// Columns: number, component, h1..h6, codepoint.
constexpr int kColumns = 3 + kRadicals;

[[noreturn]] void fail(int lineNo, const QString& why) {
    throw std::runtime_error(
        QStringLiteral("components table, line %1: %2").arg(lineNo).arg(why).toStdString());
}

bool isSingleCharacter(const QString& text) {
    return text.size() == 1 || (text.size() == 2 && text.at(0).isHighSurrogate());
}

} // namespace

ComponentsTable ComponentsTable::parse(const QByteArray& utf8) {
    ComponentsTable table;
    QStringList lines = QString::fromUtf8(utf8).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || !lines.first().startsWith(QStringLiteral("number\t")))
        fail(1, QStringLiteral("the header line is missing"));
    for (int i = 1; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringList cols = line.split(QLatin1Char('\t'));
        if (cols.size() != kColumns)
            fail(lineNo, QStringLiteral("%1 columns instead of %2").arg(cols.size()).arg(kColumns));
        Component row;
        bool ok = false;
        row.number = cols.at(0).toInt(&ok);
        if (!ok || row.number != table.m_rows.size())
            fail(lineNo, QStringLiteral("number %1 out of sequence").arg(cols.at(0)));
        row.glyph = cols.at(1);
        if (!isSingleCharacter(row.glyph))
            fail(lineNo, QStringLiteral("component \"%1\" is not one character").arg(row.glyph));
        for (int d = 0; d < kRadicals; ++d) {
            const QString& cell = cols.at(2 + d);
            if (cell != QLatin1String("x") && cell != QLatin1String("?") &&
                !isSingleCharacter(cell))
                fail(lineNo, QStringLiteral("cell h%1 \"%2\" is neither a kanji, x nor ?")
                                 .arg(d + 1)
                                 .arg(cell));
            row.cells[static_cast<std::size_t>(d)] = cell;
        }
        table.m_rows.append(row);
    }
    if (table.m_rows.size() != kComponents)
        fail(lines.size(),
             QStringLiteral("%1 rows instead of %2").arg(table.m_rows.size()).arg(kComponents));
    return table;
}

QByteArray readSourceFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QStringLiteral("cannot read %1: %2").arg(path, file.errorString()).toStdString());
    return file.readAll();
}

ComponentsTable ComponentsTable::load(const QString& path) {
    return parse(readSourceFile(path));
}

bool ComponentsTable::isKanjiCell(const QString& cell) {
    return cell != QLatin1String("x") && cell != QLatin1String("?") && !cell.isEmpty();
}

QList<int> ComponentsTable::oList(int radicalNo) const {
    QList<int> list;
    for (const Component& row : m_rows)
        if (isKanjiCell(row.cells[static_cast<std::size_t>(radicalNo - 1)]))
            list.append(row.number);
    return list;
}

QList<int> ComponentsTable::xList(int radicalNo) const {
    QList<int> list;
    for (const Component& row : m_rows)
        if (row.cells[static_cast<std::size_t>(radicalNo - 1)] == QLatin1String("x"))
            list.append(row.number);
    return list;
}

QList<int> ComponentsTable::usedNumbers() const {
    QList<int> used;
    for (const Component& row : m_rows)
        for (const QString& cell : row.cells)
            if (cell != QLatin1String("?")) {
                used.append(row.number);
                break;
            }
    return used;
}

QStringList ComponentsTable::realKanji() const {
    QStringList kanji;
    for (const Component& row : m_rows)
        for (const QString& cell : row.cells)
            if (isKanjiCell(cell))
                kanji.append(cell);
    return kanji;
}

} // namespace content
