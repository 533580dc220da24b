#include "shell/radical_choice.h"

#include "shell/content_paths.h"
#include "shell/radicals.h"
#include "shell/word_list.h"

#include <bitset>

namespace {
// The no-repeat window holds the last 30 characters; a draw needs one more than that.
constexpr int kFewestDifferentCharacters = 31;
} // namespace

void chooseRadical(SharedState& state, int radicalNo) {
    state.radicalNo = static_cast<std::int16_t>(radicalNo);
    const QString oFile = content_paths::oListFile(state.appPath, radicalNo);
    const QString xFile = content_paths::xListFile(state.appPath, radicalNo);
    state.oCount = loadWordList(oFile, state.oList);
    state.xCount = loadWordList(xFile, state.xList);
    // Optional: only the review of a game names characters with it.
    state.kanji = KanjiTable::load(content_paths::kanjiTableFile(state.appPath));
}

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
    for (int i = 1; i <= state.oCount; ++i)
        seen.set(static_cast<std::size_t>(state.oList[static_cast<std::size_t>(i)]));
    for (int i = 1; i <= state.xCount; ++i)
        seen.set(static_cast<std::size_t>(state.xList[static_cast<std::size_t>(i)]));
    if (seen.count() < kFewestDifferentCharacters)
        return QStringLiteral("「%1」の一覧には異なる文字が %2 個しかありません。"
                              "出題には少なくとも %3 個が必要です。")
            .arg(name)
            .arg(seen.count())
            .arg(kFewestDifferentCharacters);
    return {};
}
