#include "round/gauge_cells.h"

std::array<std::int16_t, gauge::kCells> gaugeCellQuestions(const GameState& state) {
    std::array<std::int16_t, gauge::kCells> cells{};
    int right = 0;
    int wrong = 0;
    for (const QuestionRecord& record : state.records) {
        if (record.question == 0)
            continue;
        // Right cells count up from the bottom cell, wrong cells down from the top one.
        if (record.right)
            cells[gauge::kCells - 1 - right++] = record.question;
        else
            cells[wrong++] = record.question;
        if (right + wrong == gauge::kCells)
            break;
    }
    return cells;
}
