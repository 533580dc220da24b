#pragma once

#include "round/question_record.h"
#include "shell/shared_state.h"

#include <QString>

// The review of a finished game: what the hover text of a gauge cell says about the question
// that painted it.
namespace question_review {

/// The character of a question: the real kanji ("語"), or radical and component for a made-up
/// one ("扌＋頼"). Content without the kanji table names the radical and the component picture
/// instead ("ごんべん＋b105.gif").
QString characterText(const QuestionRecord& record, const SharedState& shared);

/// The whole line: number, character, whether it exists, the player's answer and whether it was
/// right, e.g. "第 12 問　語（ある）　あなたの答え：ない ✗".
QString describe(const QuestionRecord& record, const SharedState& shared);

} // namespace question_review
