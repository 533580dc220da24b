#include "platform/system_random.h"

#include <QRandomGenerator>

SystemRandom::SystemRandom(const Clock& clock)
    : m_clock(clock), m_engine(QRandomGenerator::system()->generate64()) {}

double SystemRandom::next() {
    return std::generate_canonical<double, 53>(m_engine);
}

void SystemRandom::reseedFromClock() {
    // Mix rather than replace: the state goes on, so equal clock readings give new values.
    const auto millis = static_cast<std::uint64_t>(m_clock.secondsSinceMidnight() * 1000.0);
    std::seed_seq seq{static_cast<std::uint32_t>(m_engine()),
                      static_cast<std::uint32_t>(m_engine()), static_cast<std::uint32_t>(millis)};
    m_engine.seed(seq);
}
