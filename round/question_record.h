#pragma once

#include <cstdint>

/// What one judged question of a game was, kept for a review of the game afterwards.
struct QuestionRecord {
    std::int16_t question = 0;  ///< question number 1..100; 0 for a question not yet judged
    std::int16_t character = 0; ///< character number shown
    std::int16_t kind = 0;      ///< 1 = O (exists), 2 = X (made up): the right answer
    std::int16_t answer = 0;    ///< the player's answer, 0 = none (a speed question left open)
    bool right = false;         ///< whether the answer was judged right
};
