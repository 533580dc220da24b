#pragma once

#include "round/clock.h"
#include "round/game_state.h"
#include "round/play_view.h"
#include "round/random_source.h"
#include "shell/shared_state.h"

/// What a play screen's flow works on: the shared state it reads, its own game state (which
/// outlives the screen), the screen as a view, and the sources of chance and time.
struct PlayPorts {
    const SharedState& shared;
    GameState& state;
    PlayView& view;
    RandomSource& random;
    const Clock& clock;
};
