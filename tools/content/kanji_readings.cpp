#include "tools/content/kanji_readings.h"

#include "tools/content/components_table.h"

#include <QSet>
#include <stdexcept>

namespace content {

namespace {

const QByteArray kHeader = QByteArrayLiteral("kanji\tgrade\ton\tkun\tmeanings");
constexpr int kFields = 5;
const QString kReadingSeparator = QStringLiteral(" ");
const QString kMeaningSeparator = QStringLiteral("; ");

[[noreturn]] void fail(int lineNo, const QString& why) {
    throw std::runtime_error(QStringLiteral("%1, line %2: %3")
                                 .arg(QLatin1String(ReadingsExtract::kFileName))
                                 .arg(lineNo)
                                 .arg(why)
                                 .toStdString());
}

QStringList split(const QString& field, const QString& separator) {
    return field.isEmpty() ? QStringList() : field.split(separator);
}

QString join(const QString& kanji, const QStringList& items, const QString& separator) {
    for (const QString& item : items)
        if (item.isEmpty() || item != item.trimmed() || item.contains(separator.at(0)) ||
            item.contains(u'\t') || item.contains(u'\n') || item.contains(u'\r'))
            throw std::runtime_error(
                QStringLiteral("%1: \"%2\" cannot be kept in %3")
                    .arg(kanji, item, QLatin1String(ReadingsExtract::kFileName))
                    .toStdString());
    return items.join(separator);
}

} // namespace

ReadingsExtract ReadingsExtract::parse(const QByteArray& utf8) {
    QStringList lines = QString::fromUtf8(utf8).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || lines.first().toUtf8() != kHeader)
        fail(1, QStringLiteral("the header line is missing"));
    ReadingsExtract extract;
    QSet<QString> seen;
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList cols = lines.at(i).split(u'\t');
        if (cols.size() != kFields)
            fail(i + 1, QStringLiteral("%1 fields instead of %2").arg(cols.size()).arg(kFields));
        KanjiReadings entry;
        entry.kanji = cols.at(0);
        if (entry.kanji.toUcs4().size() != 1 || seen.contains(entry.kanji))
            fail(i + 1, QStringLiteral("\"%1\" is not one kanji listed once").arg(entry.kanji));
        seen.insert(entry.kanji);
        bool ok = false;
        entry.grade = cols.at(1).toInt(&ok);
        if (!ok || entry.grade < 0 || entry.grade > 10)
            fail(i + 1, QStringLiteral("grade \"%1\"").arg(cols.at(1)));
        entry.on = split(cols.at(2), kReadingSeparator);
        entry.kun = split(cols.at(3), kReadingSeparator);
        entry.meanings = split(cols.at(4), kMeaningSeparator);
        extract.m_entries.append(entry);
    }
    return extract;
}

ReadingsExtract ReadingsExtract::load(const QString& path) {
    return parse(readSourceFile(path));
}

QByteArray ReadingsExtract::bytes(const QList<KanjiReadings>& entries) {
    QByteArray out = kHeader + '\n';
    for (const KanjiReadings& e : entries)
        out +=
            QStringList{e.kanji, QString::number(e.grade), join(e.kanji, e.on, kReadingSeparator),
                        join(e.kanji, e.kun, kReadingSeparator),
                        join(e.kanji, e.meanings, kMeaningSeparator)}
                .join(u'\t')
                .toUtf8() +
            '\n';
    return out;
}

const KanjiReadings* ReadingsExtract::find(const QString& kanji) const {
    for (const KanjiReadings& e : m_entries)
        if (e.kanji == kanji)
            return &e;
    return nullptr;
}

} // namespace content
