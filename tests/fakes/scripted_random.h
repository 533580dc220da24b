#pragma once

#include "round/random_source.h"

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>

/// A random source that returns the values a test queued, in order, and counts the re-seeds.
/// When the script runs out it goes on with a fixed linear congruential sequence, so a test that
/// only scripts the start of a game still plays the rest deterministically.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : m_script(values) {}

    double next() override {
        ++m_draws;
        m_trace += 'n';
        if (!m_script.empty()) {
            double value = m_script.front();
            m_script.pop_front();
            return value;
        }
        m_lcg = m_lcg * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_lcg >> 11) * (1.0 / 9007199254740992.0);
    }

    void reseedFromClock() override {
        ++m_reseeds;
        m_trace += 'r';
    }

    /// Queues further values, returned after those already queued.
    void append(std::initializer_list<double> values) { m_script.insert(m_script.end(), values); }
    void append(double value) { m_script.push_back(value); }
    /// Sets the state of the fallback sequence (for varied but repeatable games).
    void seedFallback(std::uint64_t seed) { m_lcg = seed; }

    /// Values still queued.
    int remaining() const { return static_cast<int>(m_script.size()); }
    /// Values taken so far, scripted or not.
    int draws() const { return m_draws; }
    /// Re-seeds requested so far.
    int reseeds() const { return m_reseeds; }
    /// Every call in order: 'n' for a value taken, 'r' for a re-seed.
    const std::string& trace() const { return m_trace; }
    /// Forgets the trace so far.
    void clearTrace() { m_trace.clear(); }

private:
    std::deque<double> m_script;
    std::uint64_t m_lcg = 0x2545F4914F6CDD1DULL;
    int m_draws = 0;
    int m_reseeds = 0;
    std::string m_trace;
};
