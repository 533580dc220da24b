#pragma once

#include "facts/gauge_geometry.h"
#include "round/game_state.h"

#include <array>
#include <cstdint>

/// For each gauge cell from the top (index 0 = top cell), the number of the question whose
/// judgement painted it, or 0 for a cell still empty. Built from the game's question records.
std::array<std::int16_t, gauge::kCells> gaugeCellQuestions(const GameState& state);
