#pragma once

#include <QByteArray>
#include <QString>

/// Reads `bytes` with the word-list reader and with a small independent model of the format,
/// and returns the first broken rule, or an empty string. The rules: the reader returns a count
/// of at most 219 or throws ContentError naming the file; it agrees with the model on whether
/// the file is accepted, on the count and on every stored character number; it writes nothing
/// outside indices 1 to the count (the list is a heap block of its own, so that a write past it
/// is an AddressSanitizer report).
QString checkWordList(const QByteArray& bytes);
