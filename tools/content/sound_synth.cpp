#include "tools/content/sound_synth.h"

#include "facts/content_catalogue.h"
#include "tools/content/wav_file.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace content {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// Every sound is as loud as the others: this RMS share of full scale (-16 dBFS), unless its peak
// would pass kHighestPeak (never clipped).
constexpr double kLoudness = 0.16;
constexpr double kHighestPeak = 0.9;

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

// A buffer that notes are mixed into at given times.
class Mix {
public:
    explicit Mix(double seconds) : m_signal(samplesFor(seconds), 0.0f) {}
    void add(double start, const std::vector<float>& part, double gain = 1.0) {
        const std::size_t offset = samplesFor(start);
        for (std::size_t i = 0; i < part.size() && offset + i < m_signal.size(); ++i)
            m_signal[offset + i] += static_cast<float>(part[i] * gain);
    }
    std::vector<float>& signal() { return m_signal; }

private:
    std::vector<float> m_signal;
};

// Attack, then an exponential decay with time constant `decay`, then a linear release over the
// last `release` seconds.
double envelope(double t, double length, double attack, double decay, double release) {
    double a = t < attack ? t / attack : std::exp(-(t - attack) / decay);
    if (t > length - release)
        a *= std::max(0.0, (length - t) / release);
    return a;
}

// A tone of partials (amplitudes of harmonics 1, 2, 3...) with a pitch that may glide from
// `freq` to `endFreq` and a gentle vibrato.
std::vector<float> tone(double freq, double endFreq, double length,
                        const std::vector<double>& partials, double attack, double decay,
                        double release, double vibrato = 0.0) {
    std::vector<float> out(samplesFor(length));
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f =
            (freq + (endFreq - freq) * t / length) * (1.0 + vibrato * std::sin(kTwoPi * 5.5 * t));
        phase += kTwoPi * f / kSampleRate;
        double v = 0;
        for (std::size_t h = 0; h < partials.size(); ++h)
            v += partials[h] * std::sin(phase * static_cast<double>(h + 1));
        out[i] = static_cast<float>(v * envelope(t, length, attack, decay, release));
    }
    return out;
}

// A two-pole resonator: a formant of the crow's voice.
class Resonator {
public:
    Resonator(double freq, double bandwidth) {
        const double r = std::exp(-std::numbers::pi * bandwidth / kSampleRate);
        m_a1 = 2 * r * std::cos(kTwoPi * freq / kSampleRate);
        m_a2 = -r * r;
        m_gain = 1 - r;
    }
    double step(double x) {
        const double y = m_gain * x + m_a1 * m_y1 + m_a2 * m_y2;
        m_y2 = m_y1;
        m_y1 = y;
        return y;
    }

private:
    double m_a1 = 0, m_a2 = 0, m_gain = 0, m_y1 = 0, m_y2 = 0;
};

// A small fixed-seed generator, so the noise is the same on every build.
class Noise {
public:
    double next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return static_cast<double>(m_state >> 11) / static_cast<double>(1ULL << 53) * 2.0 - 1.0;
    }

private:
    quint64 m_state = 0x9e3779b97f4a7c15ULL;
};

// One "kaa": a rough, falling buzz through the formants of an open "a".
std::vector<float> caw(double length, Noise& noise) {
    std::vector<float> out(samplesFor(length));
    Resonator f1(850, 220), f2(1350, 260), f3(2600, 400);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f0 = 560 - 170 * t / length + 25 * noise.next();
        phase += f0 / kSampleRate;
        const double saw = 2.0 * (phase - std::floor(phase)) - 1.0;
        const double source = 0.65 * saw + 0.35 * noise.next();
        const double voiced =
            f1.step(source) * 1.0 + f2.step(source) * 0.8 + f3.step(source) * 0.35;
        out[i] = static_cast<float>(voiced * envelope(t, length, 0.025, length * 0.9, 0.08));
    }
    return out;
}

std::vector<float> rightChime() {
    const std::vector<double> bell{1.0, 0.25, 0.12, 0.05};
    Mix mix(0.42);
    mix.add(0.0, tone(1318.5, 1318.5, 0.42, bell, 0.004, 0.09, 0.05));  // E6
    mix.add(0.11, tone(1760.0, 1760.0, 0.31, bell, 0.004, 0.10, 0.06)); // A6
    return mix.signal();
}

std::vector<float> wrongBuzz() {
    // Odd harmonics of two slightly detuned low notes: a soft square that beats.
    const std::vector<double> square{1.0, 0.0, 0.33, 0.0, 0.2, 0.0, 0.14, 0.0, 0.11};
    Mix mix(0.35);
    mix.add(0.0, tone(130.8, 123.5, 0.35, square, 0.008, 0.6, 0.06));
    mix.add(0.0, tone(138.6, 130.8, 0.35, square, 0.008, 0.6, 0.06), 0.8);
    return mix.signal();
}

std::vector<float> passFanfare() {
    const std::vector<double> brass{1.0, 0.6, 0.4, 0.25, 0.15, 0.08};
    Mix mix(2.1);
    const double c5 = 523.25, e5 = 659.25, g5 = 783.99, c6 = 1046.5, g4 = 392.0;
    const double steps[][3] = {{0.00, g4, 0.14}, {0.15, c5, 0.14}, {0.30, e5, 0.14},
                               {0.45, g5, 0.30}, {0.78, e5, 0.14}, {0.93, g5, 0.14}};
    for (const auto& s : steps)
        mix.add(s[0], tone(s[1], s[1], s[2], brass, 0.012, 0.5, 0.03));
    for (const double f : {c5, e5, g5, c6})
        mix.add(1.08, tone(f, f, 1.02, brass, 0.015, 0.55, 0.25, 0.004), 0.6);
    return mix.signal();
}

std::vector<float> crowCall() {
    Noise noise;
    Mix mix(0.8);
    mix.add(0.0, caw(0.32, noise));
    mix.add(0.42, caw(0.36, noise));
    return mix.signal();
}

std::vector<float> failPhrase() {
    // Two short low notes and a long one that sags: "bu-bu-buu", mellow rather than harsh.
    const std::vector<double> horn{1.0, 0.5, 0.3, 0.15, 0.08};
    Mix mix(1.05);
    mix.add(0.00, tone(233.1, 233.1, 0.16, horn, 0.01, 0.5, 0.04));
    mix.add(0.22, tone(220.0, 220.0, 0.16, horn, 0.01, 0.5, 0.04));
    mix.add(0.44, tone(207.7, 174.6, 0.61, horn, 0.015, 0.9, 0.2, 0.01));
    return mix.signal();
}

std::vector<float> beeps(int count, double freq) {
    const std::vector<double> beep{1.0, 0.0, 0.15};
    const double length = 0.09, gap = 0.07;
    Mix mix(count * length + (count - 1) * gap + 0.02);
    for (int i = 0; i < count; ++i)
        mix.add(i * (length + gap), tone(freq, freq, length, beep, 0.005, 1.0, 0.02));
    return mix.signal();
}

// The samples at kLoudness.
std::vector<qint16> atLoudness(std::vector<float> signal) {
    double sum = 0;
    double loudest = 0;
    for (const float s : signal) {
        sum += double(s) * s;
        loudest = std::max(loudest, double(std::abs(s)));
    }
    const double rms = signal.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(signal.size()));
    const double peak = rms > 0 ? std::min(kHighestPeak, kLoudness * loudest / rms) : kHighestPeak;
    return toPcm(std::move(signal), peak);
}

} // namespace

std::vector<Sound> gameSounds() {
    namespace files = content_catalogue;
    return {
        {files::kRightSound.toString(), atLoudness(rightChime())},
        {files::kWrongSound.toString(), atLoudness(wrongBuzz())},
        {files::kPassSound.toString(), atLoudness(passFanfare())},
        {files::kCrowSound.toString(), atLoudness(crowCall())},
        {files::kFailSound.toString(), atLoudness(failPhrase())},
        {files::kBeepSound.toString(), atLoudness(beeps(2, 1046.5))},
        {files::kLastBeepSound.toString(), atLoudness(beeps(3, 1568.0))},
    };
}

} // namespace content
