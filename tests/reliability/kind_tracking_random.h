#pragma once

#include "round/random_source.h"

#include <cstdint>

/// A repeatable random source that also knows the right answer of the question on screen.
/// A question is drawn as: a value for the kind (O below 0.5), a re-seed, a value for the list
/// index; a rejected draw starts again from the kind. So the kind of the question finally shown
/// is decided by the value taken just before the last re-seed.
class KindTrackingRandom : public RandomSource {
public:
    explicit KindTrackingRandom(std::uint64_t seed = 1) { restart(seed); }

    double next() override {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        m_last = static_cast<double>(m_state >> 11) * (1.0 / 9007199254740992.0);
        return m_last;
    }
    void reseedFromClock() override { m_kindValue = m_last; }

    /// Starts the sequence again from `seed`.
    void restart(std::uint64_t seed) { m_state = seed * 2862933555777941757ULL + 3037000493ULL; }
    /// The answer button index (0 = "ある", 1 = "ない") that is right for the question on screen.
    int rightButton() const { return m_kindValue < 0.5 ? 0 : 1; }

private:
    std::uint64_t m_state = 0;
    double m_last = 0.0;
    double m_kindValue = 0.0;
};
