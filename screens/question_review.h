#pragma once

#include "round/game_state.h"
#include "round/question_record.h"
#include "shell/kanji_table.h"
#include "shell/shared_state.h"

#include <QString>

// The review of a finished game: what the hover text of a gauge cell says about the question
// that painted it.
namespace question_review {

/// What the picture of character `character` shows, radical and component ("言＋吾"), alike for
/// real and made-up characters, so it never gives the answer away. Content without the kanji
/// table names the radical and the component picture instead ("ごんべん＋b105.gif").
QString pictureText(int character, const SharedState& shared);

/// The character of a question: the real kanji ("語"), or what the picture shows for a made-up
/// one ("扌＋頼").
QString characterText(const QuestionRecord& record, const SharedState& shared);

/// A real kanji's readings and meanings in short, e.g. "シ・うた　poem, poetry": the on
/// readings, then the kun readings that are words of their own (no affix forms), five readings
/// at most, then three meanings at most. Empty when the table gives none.
QString readingsText(const KanjiTable::Readings& readings);

/// The whole line: number, character, whether it exists, a real kanji's readings and meanings,
/// the player's answer and whether it was right, e.g.
/// "第 12 問　語（ある）　ゴ・かた.る・かた.らう　word, speech, language　あなたの答え：ない ✗".
QString describe(const QuestionRecord& record, const SharedState& shared);

/// The line of the question that painted gauge cell `cell` (1..100 from the top); empty for a
/// cell no judgement has painted.
QString describeCell(const GameState& state, const SharedState& shared, int cell);

} // namespace question_review
