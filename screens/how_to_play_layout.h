#pragma once

#include "facts/twips.h"

#include <array>

// The how-to-play screen's layout, the one table of it.
namespace how_to_play_layout {

/// The client area of the screen, in twips.
inline constexpr int kClientWidth = 11490;
inline constexpr int kClientHeight = 7170;

/// The controls front to back, in twips of the client area.
inline constexpr std::array<twips::Control, 2> kControls{{
    {"Command1", 9405, 195, 1710, 540},
    {"List1", 405, 900, 10725, 6060},
}};

} // namespace how_to_play_layout
