#pragma once

#include "shell/shared_state.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// The word-list format: items separated by commas, blanks or line breaks; the first item is the
// count N, items 2 to N + 1 are the character numbers. Anything after item N + 1 is never read.

/// Reads the count and items 1..count of `bytes` into `list`, leaving indices above the count
/// as they were, and returns the count. A count of 0 or less reads nothing more. Throws
/// ContentError naming `fileName` for: fewer items than the count, a count above 219, an item
/// that is not a decimal number or does not fit 16 bits, a character number outside 0 to 219.
std::int16_t parseWordList(const QByteArray& bytes, const QString& fileName, WordListArray& list);

/// Reads the file at `path` and parses it as above.
std::int16_t loadWordList(const QString& path, WordListArray& list);

/// What is wrong with a word list's count, in the words of the error path: a count above 219.
/// Empty for a count the game takes (0 or less is a list without items).
QString countFault(int count);

/// What is wrong with item `itemNo` of a word list (the count is item 1) that holds
/// `characterNo`: a number outside 0 to 219. Empty for a character number.
QString characterFault(int itemNo, int characterNo);
