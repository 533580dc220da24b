#pragma once

#include <QString>

/// Number of radicals the player can choose from; radical numbers run 1 to kRadicalCount.
inline constexpr int kRadicalCount = 6;

/// The kana name of radical 1 to 6 ("ごんべん" ... "さんずい"); empty for any other number.
QString radicalName(int radicalNo);
