#pragma once

#include "shell/kanji_table.h"

#include <QString>
#include <array>
#include <cstdint>

/// Capacity of a word list: indices 0 to 219, of which 1 to the count carry items.
inline constexpr int kListSize = 220;
/// Highest valid character number and highest list count.
inline constexpr int kMaxCharacterNo = 219;

using WordListArray = std::array<std::int16_t, kListSize>;

/// The state every screen may read: written only at start-up (appPath) and by the menu's
/// radical buttons. Lives from program start to program end.
struct SharedState {
    QString appPath;            ///< directory of the executable, no trailing separator
    std::int16_t radicalNo = 0; ///< 1 to 6 once a radical has been chosen
    std::int16_t oCount = 0;    ///< items in oList (indices 1..oCount)
    WordListArray oList{};      ///< character numbers of the real characters
    std::int16_t xCount = 0;    ///< items in xList (indices 1..xCount)
    WordListArray xList{};      ///< character numbers of the made-up characters
    KanjiTable kanji; ///< what each character picture shows, when the content says (optional)
};
