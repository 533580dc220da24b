#pragma once

#include "round/clock.h"
#include "round/random_source.h"

#include <random>

/// The real source of chance: seeded once from the system's entropy; re-seeding mixes the
/// clock into the state, so two re-seeds within one clock tick never repeat a value.
class SystemRandom : public RandomSource {
public:
    explicit SystemRandom(const Clock& clock);

    double next() override;
    void reseedFromClock() override;

private:
    const Clock& m_clock;
    std::mt19937_64 m_engine;
};
