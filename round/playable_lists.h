#pragma once

#include "shell/shared_state.h"

#include <QString>

/// Why the loaded lists cannot make a game: a list is empty, or the two together hold fewer
/// different character numbers than the no-repeat window holds plus one, so that no question
/// could be drawn outside the window. Empty when they can. The menu asks before it offers the
/// modes, the content checker for every radical, and the round engine when its drawing finds
/// nothing outside the window.
QString whyUnplayable(const SharedState& state);
