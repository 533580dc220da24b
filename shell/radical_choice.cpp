#include "shell/radical_choice.h"

#include "shell/content_paths.h"
#include "shell/word_list.h"

void chooseRadical(SharedState& state, int radicalNo) {
    state.radicalNo = static_cast<std::int16_t>(radicalNo);
    const QString oFile = content_paths::oListFile(state.appPath, radicalNo);
    const QString xFile = content_paths::xListFile(state.appPath, radicalNo);
    state.oCount = loadWordList(oFile, state.oList);
    state.xCount = loadWordList(xFile, state.xList);
    // Optional: only the review of a game names characters with it.
    state.kanji = KanjiTable::load(content_paths::kanjiTableFile(state.appPath));
}
