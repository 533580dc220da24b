#pragma once

#include "round/question_record.h"
#include "shell/shared_state.h"

#include <array>
#include <cstdint>

inline constexpr int kQuestionsPerGame = 100;
inline constexpr int kWindowSize = 30;
/// A place of the no-repeat window that no question has filled yet. It is not a character
/// number, so an empty place leaving the window clears no character's flag (0 is a character).
inline constexpr std::int16_t kEmptyPlace = -1;

/// The game state of one play screen. It lives for the whole run (not in the widget), so it
/// survives the screen's unload; game start resets only part of it.
struct GameState {
    static constexpr std::array<std::int16_t, kWindowSize + 1> emptyWindow() {
        std::array<std::int16_t, kWindowSize + 1> places{};
        places.fill(kEmptyPlace);
        return places;
    }

    Answer currentKind = Answer::None;   ///< O or X: the list of the current question
    Answer pendingAnswer = Answer::None; ///< the player's answer, None until one is given
    std::int16_t currentCharacter = 0;   ///< character number of the question on screen
    std::array<std::int16_t, kListSize> recentlyUsed{}; ///< 1 for a character in the window
    std::array<std::int16_t, kWindowSize + 1> window = emptyWindow(); ///< 1..30, oldest first
    std::int16_t questionCount = 0; ///< questions shown, the one on screen included
    std::int16_t correctCount = 0;
    std::int16_t wrongCount = 0;
    bool gameOver = false; ///< from the 100th judgement to the next game
    /// The game's rating shows: from the rating to another game or to the screen's next showing.
    bool rated = false;
    std::int32_t waitStart = 0; ///< whole seconds since midnight
    /// The monotonic clock's reading at the moment the time of day read `waitStart`: the waits
    /// are timed from it, so that a step of the time of day neither ends nor stalls one.
    double waitOrigin = 0.0;
    std::int16_t score = 0; ///< percent right after the last judgement
    /// One record per judged question of the current game, question k at index k - 1; reset by
    /// game start. Kept here so that it outlives the screen, like the rest of the game.
    std::array<QuestionRecord, kQuestionsPerGame> records{};
};
