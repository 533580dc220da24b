#pragma once

#include <QByteArray>
#include <QStringList>

namespace content {

/// The lines of the how-to-play text, in Japanese.
QStringList howToPlayLines();

/// The how-to-play file: the lines in code page 932, each ended by CR LF. Throws
/// std::runtime_error naming a line that has a character code page 932 lacks.
QByteArray howToPlayBytes();

} // namespace content
