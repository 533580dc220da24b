#pragma once

#include "facts/twips.h"

#include <array>

// The menu's layout, the one table of it.
namespace menu_layout {

/// The client area of the menu, in twips.
inline constexpr int kClientWidth = 11520;
inline constexpr int kClientHeight = 7200;

/// The controls front to back, in twips of the client area; the mode buttons Command4 stand in
/// the mode frame Frame1, relative to it.
inline constexpr std::array<twips::Control, 12> kControls{{
    {"Frame1", 2430, 2805, 6480, 1575},
    {"Command4(1)", 3315, 315, 2835, 930},
    {"Command4(0)", 240, 315, 2835, 930},
    {"Command3", 3480, 6195, 2640, 795},
    {"Command2", 495, 6195, 2640, 795},
    {"Command1(5)", 9570, 3615, 1410, 3525},
    {"Command1(4)", 8175, 3615, 1410, 3525},
    {"Command1(3)", 6765, 3615, 1410, 3525},
    {"Command1(2)", 9585, 105, 1410, 3525},
    {"Command1(1)", 8175, 105, 1410, 3525},
    {"Command1(0)", 6765, 90, 1410, 3525},
    {"Image1", 375, 60, 6000, 5985},
}};

} // namespace menu_layout
