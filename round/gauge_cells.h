#pragma once

#include "round/game_state.h"

#include <array>
#include <cstdint>

// Where the round engine seeds the gauge's fills, in pixels of the gauge picture (81 x 361):
// 100 cells of 2 rows between white lines every third row from 30 to 330. Right answers fill
// from the bottom, wrong ones from the top; the seed column lies inside every cell.

inline constexpr int kGaugeSeedX = 40;
inline constexpr int kGaugeCells = 100;

/// Seed row of the c-th right answer of a game (c = 1..100): the c-th cell from the bottom.
constexpr int rightFillY(int c) {
    return 329 - 3 * (c - 1);
}

/// Seed row of the w-th wrong answer of a game (w = 1..100): the w-th cell from the top.
constexpr int wrongFillY(int w) {
    return 31 + 3 * (w - 1);
}

/// For each gauge cell from the top (index 0 = top cell), the number of the question whose
/// judgement painted it, or 0 for a cell still empty. Built from the game's question records.
std::array<std::int16_t, kGaugeCells> gaugeCellQuestions(const GameState& state);
