#pragma once

#include "shell/shared_state.h"

/// The menu's radical button: sets state.radicalNo, then reads the O list and the X list of
/// that radical into the state (both file names are built before either is opened). Throws
/// ContentError for a fault in either file.
void chooseRadical(SharedState& state, int radicalNo);
