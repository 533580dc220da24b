#pragma once

#include <cstdint>

/// The player's answer, and a question's kind: the answer that is right for it.
enum class Answer : std::int16_t {
    None = 0, ///< no answer (a speed question left open), or no question yet
    O = 1,    ///< the character exists ("ある", the answer button Command2(0))
    X = 2,    ///< it is made up ("ない", Command2(1))
};

/// The answer of answer button `Command2(index)`; None for an index without a button.
constexpr Answer answerOfButton(int index) {
    return index == 0 ? Answer::O : index == 1 ? Answer::X : Answer::None;
}

/// What one judged question of a game was, kept for a review of the game afterwards.
struct QuestionRecord {
    std::int16_t question = 0;    ///< question number 1..100; 0 for a question not yet judged
    std::int16_t character = 0;   ///< character number shown
    Answer kind = Answer::None;   ///< the right answer
    Answer answer = Answer::None; ///< the player's answer
    bool right = false;           ///< whether the answer was judged right
};
