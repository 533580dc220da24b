#include "round/clock.h"

#include <cmath>

std::int32_t waitStartFrom(double clockReading) {
    // std::nearbyint rounds in the default mode, to nearest with ties to even.
    return static_cast<std::int32_t>(std::nearbyint(clockReading));
}
