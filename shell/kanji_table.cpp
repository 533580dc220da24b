#include "shell/kanji_table.h"

#include "shell/content_error.h"
#include "shell/content_file.h"
#include "shell/shared_state.h"

#include <QStringDecoder>
#include <QStringList>

static_assert(KanjiTable::kComponents == kListSize, "one row per character number");

namespace {

// The generator writes some 30 KiB; anything far larger is not a table of a few hundred lines.
constexpr qint64 kLargestFile = 1 << 20;
constexpr int kFields = 2 + kRadicalCount;
constexpr int kReadingFields = 4;

bool isOneCharacter(const QString& text) {
    return text.toUcs4().size() == 1 && !text.at(0).isSpace();
}

// A character number written as the generator writes it: plain decimal digits, 0 to 219.
int numberOf(const QString& text) {
    if (text.isEmpty() || text.size() > 3)
        return -1;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    const int number = text.toInt();
    return number < KanjiTable::kComponents ? number : -1;
}

} // namespace

KanjiTable KanjiTable::parse(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return {};
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    KanjiTable table;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() == kReadingFields) {
            if (!isOneCharacter(fields[0]) || table.m_readings.contains(fields[0]))
                return {};
            const auto items = [&](int field, const QString& separator) {
                return fields[field].isEmpty() ? QStringList() : fields[field].split(separator);
            };
            const QString space = QStringLiteral(" ");
            table.m_readings.insert(fields[0], Readings{items(1, space), items(2, space),
                                                        items(3, QStringLiteral("; "))});
            continue;
        }
        if (fields.size() != kFields)
            return {};
        const int number = numberOf(fields[0]);
        if (number < 0 || !isOneCharacter(fields[1]))
            return {};
        Row& row = table.m_table[static_cast<std::size_t>(number)];
        if (!row.component.isEmpty())
            return {}; // the same number twice: which line is right cannot be told
        row.component = fields[1];
        for (int d = 0; d < kRadicalCount; ++d) {
            const QString& cell = fields[2 + d];
            if (!cell.isEmpty() && !isOneCharacter(cell))
                return {};
            row.kanji[static_cast<std::size_t>(d)] = cell;
        }
        ++table.m_rows;
    }
    return table;
}

KanjiTable KanjiTable::load(const QString& path) {
    try {
        return parse(readContentFile(path, kLargestFile));
    } catch (const ContentError&) {
        return {}; // optional: without it the review names no kanji
    }
}

QString KanjiTable::component(int number) const {
    if (number < 0 || number >= kComponents)
        return {};
    return m_table[static_cast<std::size_t>(number)].component;
}

QString KanjiTable::kanji(int number, int radicalNo) const {
    if (number < 0 || number >= kComponents || radicalNo < 1 || radicalNo > kRadicalCount)
        return {};
    return m_table[static_cast<std::size_t>(number)].kanji[static_cast<std::size_t>(radicalNo - 1)];
}
