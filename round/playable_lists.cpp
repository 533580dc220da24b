#include "round/playable_lists.h"

#include "facts/radicals.h"
#include "round/game_state.h"
#include "shell/content_paths.h"

#include <algorithm>
#include <bitset>

namespace {

// A draw needs one character more than the no-repeat window holds.
constexpr int kFewestDifferentCharacters = kWindowSize + 1;

void addCharacters(std::bitset<kListSize>& seen, const WordListArray& list, int count) {
    for (int i = 1; i <= std::min(count, kMaxCharacterNo); ++i) {
        const int characterNo = list[static_cast<std::size_t>(i)];
        if (characterNo >= 0 && characterNo <= kMaxCharacterNo)
            seen.set(static_cast<std::size_t>(characterNo));
    }
}

} // namespace

QString whyUnplayable(const SharedState& state) {
    const QString name = radicalName(state.radicalNo);
    // A count of 0 or less reads nothing: name the file and its count, so that a count of -1
    // can be found and mended.
    const auto empty = [&](const QString& list, const QString& file, int count) {
        return QStringLiteral("「%1」の%2の一覧が空なので、ゲームを始められません。\n\n"
                              "ファイル: %3\n件数: %4")
            .arg(name, list, file)
            .arg(count);
    };
    if (state.oCount <= 0)
        return empty(QStringLiteral("実在する漢字"),
                     content_paths::oListFile(state.appPath, state.radicalNo), state.oCount);
    if (state.xCount <= 0)
        return empty(QStringLiteral("存在しない漢字"),
                     content_paths::xListFile(state.appPath, state.radicalNo), state.xCount);
    std::bitset<kListSize> seen;
    addCharacters(seen, state.oList, state.oCount);
    addCharacters(seen, state.xList, state.xCount);
    if (seen.count() < kFewestDifferentCharacters)
        return QStringLiteral("「%1」の一覧には異なる文字が %2 個しかありません。"
                              "出題には少なくとも %3 個が必要です。")
            .arg(name)
            .arg(seen.count())
            .arg(kFewestDifferentCharacters);
    return {};
}
