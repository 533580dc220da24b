#pragma once

#include "shell/shared_state.h"

#include <QString>

/// The menu's radical button: sets state.radicalNo, then reads the O list and the X list of
/// that radical into the state (both file names are built before either is opened). Throws
/// ContentError for a fault in either file.
void chooseRadical(SharedState& state, int radicalNo);

/// Why the loaded lists cannot make a game (a list is empty, or the two together hold fewer
/// than 31 different character numbers, so that no question could be drawn outside the
/// no-repeat window of 30); empty when they can.
QString whyUnplayable(const SharedState& state);
