#pragma once

#include "round/random_source.h"

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>

/// A random source for tests and benchmarks: it returns the values a test queued, in order, then
/// goes on with a fixed linear congruential sequence, so a test that scripts only the start of a
/// game (or none of it) still plays the rest deterministically. It counts the draws and the
/// re-seeds, and knows the right answer of the question on screen.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : m_script(values) {}
    /// No values queued, the sequence started from `seed` (see restart()).
    explicit ScriptedRandom(std::uint64_t seed) { restart(seed); }

    double next() override {
        ++m_draws;
        record('n');
        if (!m_script.empty()) {
            m_last = m_script.front();
            m_script.pop_front();
            return m_last;
        }
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        m_last = static_cast<double>(m_state >> 11) * (1.0 / 9007199254740992.0);
        return m_last;
    }

    void reseedFromClock() override {
        ++m_reseeds;
        record('r');
        m_kindValue = m_last;
    }

    /// Queues further values, returned after those already queued.
    void append(std::initializer_list<double> values) { m_script.insert(m_script.end(), values); }
    void append(double value) { m_script.push_back(value); }
    /// Starts the sequence after the queued values again, from a state made from `seed`, so
    /// that near seeds give unrelated games.
    void restart(std::uint64_t seed) { m_state = seed * 2862933555777941757ULL + 3037000493ULL; }

    /// Values still queued.
    int remaining() const { return static_cast<int>(m_script.size()); }
    /// Values taken so far, scripted or not.
    int draws() const { return m_draws; }
    /// Re-seeds requested so far.
    int reseeds() const { return m_reseeds; }
    /// The calls in order, at most the last kTraceLength: 'n' for a value taken, 'r' for a
    /// re-seed.
    const std::string& trace() const { return m_trace; }
    /// Forgets the trace so far.
    void clearTrace() { m_trace.clear(); }

    /// The answer button (0 = "ある", 1 = "ない") that is right for the question on screen. A
    /// question is drawn as a value for the kind (O below 0.5), a re-seed and a value for the
    /// list index; a rejected draw starts again from the kind. So the kind of the question
    /// finally shown is the value taken just before the last re-seed.
    int rightButton() const { return m_kindValue < 0.5 ? 0 : 1; }

    /// Calls the trace keeps: plenty for a test that looks at a few draws, and a benchmark's
    /// thousands of games do not grow it (the soak prints resident memory).
    static constexpr std::size_t kTraceLength = 256;

private:
    void record(char call) {
        if (m_trace.size() == kTraceLength)
            m_trace.erase(0, 1);
        m_trace += call;
    }

    std::deque<double> m_script;
    std::uint64_t m_state = 0x2545F4914F6CDD1DULL;
    double m_last = 0.0;
    double m_kindValue = 0.0;
    int m_draws = 0;
    int m_reseeds = 0;
    std::string m_trace;
};
