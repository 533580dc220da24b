#pragma once

#include "tools/content/kanji_readings.h"

#include <QString>
#include <QStringList>

namespace content {

/// Where Debian's kanjidic-xml package puts KANJIDIC2.
inline constexpr const char* kKanjidicFile = "/usr/share/edict/kanjidic2.xml.gz";

/// Reads the grade, the on and kun readings and the English meanings of each of `kanji` from a
/// KANJIDIC2 file (XML, gzip-compressed or plain), in the order of `kanji`. Throws
/// std::runtime_error naming the file when it cannot be read or parsed, and naming the kanji
/// when one of them is not in it.
QList<KanjiReadings> readKanjidic(const QString& path, const QStringList& kanji);

} // namespace content
