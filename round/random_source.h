#pragma once

/// The game's source of chance.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    /// A uniform value r with 0 <= r < 1.
    virtual double next() = 0;
    /// Mixes the time of day into the generator's state before a list draw.
    virtual void reseedFromClock() = 0;
};
