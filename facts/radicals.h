#pragma once

#include <QString>
#include <array>

/// One radical the player can choose. Its files carry the radical digit of its number
/// (content_paths::radicalDigit): h1o.dat, h1x.dat and h1.gif for radical 1.
struct Radical {
    int number;             ///< 1 to 6, the order of the menu's radical buttons
    const char16_t* name;   ///< the kana name, "ごんべん"
    const char16_t* shape;  ///< the left-hand form as a character, "言"
    const char16_t* source; ///< a kanji whose left part is that form, "計"; its right part is
                            ///< simple, so that the two parts separate cleanly
};

/// The radicals of the game, the one table of them.
inline constexpr std::array<Radical, 6> kRadicals{{
    {1, u"ごんべん", u"言", u"計"},
    {2, u"にんべん", u"亻", u"仁"},
    {3, u"てへん", u"扌", u"打"},
    {4, u"いとへん", u"糸", u"紅"},
    {5, u"きへん", u"木", u"村"},
    {6, u"さんずい", u"氵", u"江"},
}};

/// Number of radicals the player can choose from; radical numbers run 1 to kRadicalCount.
inline constexpr int kRadicalCount = static_cast<int>(kRadicals.size());

/// Radical `radicalNo` (1 to kRadicalCount) of the table; null for any other number.
constexpr const Radical* findRadical(int radicalNo) {
    return radicalNo >= 1 && radicalNo <= kRadicalCount ? &kRadicals[radicalNo - 1] : nullptr;
}

/// The kana name of radical 1 to 6 ("ごんべん" ... "さんずい"); empty for any other number.
inline QString radicalName(int radicalNo) {
    const Radical* radical = findRadical(radicalNo);
    return radical ? QString::fromUtf16(radical->name) : QString();
}

/// The left-hand form of radical 1 to 6 as a character (言 亻 扌 糸 木 氵); empty for any other
/// number.
inline QString radicalShape(int radicalNo) {
    const Radical* radical = findRadical(radicalNo);
    return radical ? QString::fromUtf16(radical->shape) : QString();
}

/// The kanji whose left part is drawn as radical 1 to 6's left-hand form (計 仁 打 紅 村 江);
/// empty for any other number.
inline QString radicalSource(int radicalNo) {
    const Radical* radical = findRadical(radicalNo);
    return radical ? QString::fromUtf16(radical->source) : QString();
}
