#include "tests/support/heard_sounds.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr std::int64_t kRate = kRecordRate;
constexpr std::int64_t kBlock = kRate / 100;             // checked in blocks of 10 ms
constexpr std::int64_t kOnsetWindow = kRate * 30 / 1000; // the first 30 ms find a sound
constexpr std::int64_t kRealign = kRate / 100;           // its best alignment near there
constexpr double kSameSound = 0.95;                      // their correlation with the file
constexpr double kLowestGain = 0.8;                      // and their level against it
constexpr double kHighestGain = 1.25;
// Silence on a null sink is exact zeros; anything above -54 dBFS is a sound.
constexpr double kSilence = 0.002;
// The resampling on the way smears a note's edge over this many samples.
constexpr std::int64_t kEdge = kRate * 2 / 1000;
// A heard block of a sound correlates with its file at least this well.
constexpr double kSameShape = 0.8;
// A sound starts this long after its call at most, and a stop takes effect within it.
constexpr std::int64_t kLatest = kRate / 4;
// The time of a call is taken just before it; the recording's time base is never early.
constexpr std::int64_t kClockSlack = kRate * 2 / 1000;
// A glitch of the server (it ran short of samples on a busy machine) pauses or skips a sound by
// at most this, at most so often in one sound.
constexpr std::int64_t kLongestGlitch = kRate * 30 / 1000;
constexpr int kMostGlitches = 3;
// A sound starts at most this much earlier or later after its call than the sounds before it.
constexpr std::int64_t kEarlierThanUsual = kRate * 20 / 1000;
constexpr std::int64_t kLaterThanUsual = kRate * 35 / 1000;
// A sound started and cut off within this need not be heard at all.
constexpr std::int64_t kCutUnheard = kRate * 30 / 1000;

double ms(std::int64_t samples) {
    return 1000.0 * static_cast<double>(samples) / kRate;
}

struct Match {
    std::int64_t onset = -1;
    double correlation = 0;
    double gain = 0;
};

Match matchAt(const std::vector<float>& recorded, const std::vector<float>& samples, std::int64_t n,
              std::int64_t window) {
    window = std::min({window, std::ssize(samples), std::ssize(recorded) - n});
    double dot = 0, heard = 0, file = 0;
    for (std::int64_t j = 0; j < window; ++j) {
        const double r = recorded[static_cast<std::size_t>(n + j)];
        const double f = samples[static_cast<std::size_t>(j)];
        dot += r * f;
        heard += r * r;
        file += f * f;
    }
    if (heard <= 0 || file <= 0)
        return {n, 0, 0};
    return {n, dot / std::sqrt(heard * file), dot / file};
}

// Whether the recording from `n` on starts `samples` rather than goes on with the sound that
// played before (`before` from `offset` on, at `beforeGain`; zeros past its end): over the
// first 10 ms, where a new sound fades in from silence, it must be explained at least twice as
// well as a start.
bool startsRatherThanGoesOn(const std::vector<float>& recorded, const std::vector<float>& samples,
                            std::int64_t n, const std::vector<float>& before, std::int64_t offset,
                            double beforeGain) {
    constexpr std::int64_t kWindow = kRate / 100;
    const auto window = std::min<std::int64_t>(kWindow, std::ssize(samples));
    double dot = 0, file = 0;
    for (std::int64_t j = 0; j < window; ++j) {
        dot += double(recorded[static_cast<std::size_t>(n + j)]) *
               samples[static_cast<std::size_t>(j)];
        file += double(samples[static_cast<std::size_t>(j)]) * samples[static_cast<std::size_t>(j)];
    }
    const double gain = file > 0 ? dot / file : 0.0;
    double asStart = 0, asGoingOn = 0;
    for (std::int64_t j = 0; j < window; ++j) {
        const double r = recorded[static_cast<std::size_t>(n + j)];
        const std::int64_t i = offset + j;
        const double old = i >= 0 && i < std::ssize(before)
                               ? beforeGain * before[static_cast<std::size_t>(i)]
                               : 0.0;
        asStart += (r - gain * samples[static_cast<std::size_t>(j)]) *
                   (r - gain * samples[static_cast<std::size_t>(j)]);
        asGoingOn += (r - old) * (r - old);
    }
    return asStart < 0.5 * asGoingOn;
}

// Where `samples` starts in the recording, from `from` to `to`: the first place whose 30 ms
// are like the file's and that starts it rather than goes on with the sound before (`before`,
// which started at `beforeOnset`), then the best alignment near it over `longest` samples, as a
// tone repeats every period. The first place, not the best: the same sound played again soon after
// matches as well further on.
Match findOnset(const std::vector<float>& recorded, const std::vector<float>& samples,
                std::int64_t from, std::int64_t to, std::int64_t longest,
                const std::vector<float>& before, std::int64_t beforeOnset, double beforeGain) {
    to = std::min<std::int64_t>(to, std::ssize(recorded) - std::max(kOnsetWindow, longest));
    Match closest;
    // Its 30 ms are like the file's, and the sound before does not explain them better.
    const auto starts = [&](std::int64_t n) {
        const Match match = matchAt(recorded, samples, n, kOnsetWindow);
        closest.correlation = std::max(closest.correlation, match.correlation);
        if (match.correlation < kSameSound || match.gain < kLowestGain || match.gain > kHighestGain)
            return false;
        return startsRatherThanGoesOn(recorded, samples, n, before, n - beforeOnset, beforeGain);
    };
    for (std::int64_t n = std::max<std::int64_t>(from, 0); n <= to; ++n) {
        if (!starts(n))
            continue;
        const std::int64_t window = std::max(kOnsetWindow, longest);
        Match best = matchAt(recorded, samples, n, window);
        for (std::int64_t m = n + 1; m <= std::min(to, n + kRealign); ++m) {
            if (!starts(m))
                continue;
            const Match near = matchAt(recorded, samples, m, window);
            if (near.correlation > best.correlation)
                best = near;
        }
        // Its level is that of its start.
        best.gain = matchAt(recorded, samples, best.onset, kOnsetWindow).gain;
        return best;
    }
    return closest;
}

// Where one started sound lies in the recording.
struct Placed {
    std::size_t call = 0;      // index into the calls
    std::size_t heard = 0;     // index into the hearing's sounds
    std::int64_t onset = 0;    // its first sample
    std::int64_t required = 0; // heard as its file at least up to here
    std::int64_t end = 0;      // and at most up to here, then silence
    std::int64_t limit = 0;    // where the next sound starts, whatever happens before
    double gain = 0;
};

// The level of the file started at `start` with `gain` from `from` to `to`.
double fileLevel(const std::vector<float>& file, std::int64_t start, double gain, std::int64_t from,
                 std::int64_t to) {
    double sum = 0;
    for (std::int64_t i = std::max<std::int64_t>(from - start, 0);
         i < std::min<std::int64_t>(to - start, std::ssize(file)); ++i)
        sum += double(file[static_cast<std::size_t>(i)]) * file[static_cast<std::size_t>(i)];
    return gain * std::sqrt(sum / static_cast<double>(to - from));
}

// The block of kBlock samples from `from` sounds like the file started at `start` there: as loud,
// and of the same shape. The shape allows a shift of up to two samples: the server's resampling
// delays the sound by a fraction of a sample, which shows at the higher notes.
bool heardLike(const std::vector<float>& recorded, const std::vector<float>& file,
               std::int64_t start, double gain, std::int64_t from) {
    const auto r = [&](std::int64_t n) { return double(recorded[static_cast<std::size_t>(n)]); };
    const auto f = [&](std::int64_t n) {
        const std::int64_t i = n - start;
        return i >= 0 && i < std::ssize(file) ? gain * file[static_cast<std::size_t>(i)] : 0.0;
    };
    double heard = 0, expected = 0;
    for (std::int64_t n = from; n < from + kBlock; ++n) {
        heard += r(n) * r(n);
        expected += f(n) * f(n);
    }
    const double heardLevel = std::sqrt(heard / kBlock);
    const double level = std::sqrt(expected / kBlock);
    // A pause of the file: as quiet, but the resampling smears the edges of the notes around
    // it by a few samples.
    if (level < 4 * kSilence)
        return heardLevel <=
               1.5 * fileLevel(file, start, gain, from - kEdge, from + kBlock + kEdge) + kSilence;
    if (heardLevel < kLowestGain * level || heardLevel > kHighestGain * level)
        return false;
    for (std::int64_t shift = -2; shift <= 2; ++shift) {
        double dot = 0, shifted = 0;
        for (std::int64_t n = from; n < from + kBlock; ++n) {
            dot += r(n) * f(n + shift);
            shifted += f(n + shift) * f(n + shift);
        }
        if (shifted > 0 && dot / std::sqrt(heard * shifted) >= kSameShape)
            return true;
    }
    return false;
}

} // namespace

std::vector<float> wavSamples(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wav = file.readAll();
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    if (wav.size() < 44 || !wav.startsWith("RIFF") || u16(20) != 1 || u16(22) != 1 ||
        u32(24) != kRecordRate || u16(34) != 16 || wav.mid(36, 4) != "data")
        return {};
    std::vector<float> samples(std::min<qsizetype>(u32(40), wav.size() - 44) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<float>(static_cast<qint16>(u16(44 + 2 * qsizetype(i)))) / 32768.0f;
    return samples;
}

Hearing hear(const RecordedSound& recording, const std::vector<SoundCall>& calls) {
    Hearing hearing;
    const std::vector<float>& recorded = recording.samples;
    const auto sample = [&](std::int64_t n) { return recorded[static_cast<std::size_t>(n)]; };
    std::vector<std::int64_t> at(calls.size());
    for (std::size_t k = 0; k < calls.size(); ++k)
        at[k] = recording.indexAt(calls[k].ns) - kClockSlack;

    // Each started sound in the recording, in the order of the calls.
    std::vector<Placed> placed;
    std::vector<std::int64_t> onsetOf(calls.size(), -1);
    std::vector<std::int64_t> latencies; // from each placed sound's call to its onset
    std::int64_t after = 0;
    for (std::size_t k = 0; k < calls.size(); ++k) {
        if (calls[k].samples.empty())
            continue;
        HeardSound heard{calls[k].name};
        // Heard at least until the next call. Once a few sounds are placed, it starts about as
        // long after its call as they did: found much later, it would be the next one of its
        // kind, and that mistake would carry on to all that follow.
        const std::int64_t until = k + 1 < calls.size() ? at[k + 1] : at[k] + kRate / 5;
        std::int64_t from = at[k];
        std::int64_t latest = at[k] + kLatest;
        if (latencies.size() >= 3) {
            std::vector<std::int64_t> recent(latencies.end() -
                                                 std::min<std::ptrdiff_t>(std::ssize(latencies), 9),
                                             latencies.end());
            std::nth_element(recent.begin(), recent.begin() + std::ssize(recent) / 2, recent.end());
            const std::int64_t usual = recent[recent.size() / 2];
            from = std::max(from, at[k] + usual - kEarlierThanUsual);
            latest = at[k] + usual + kLaterThanUsual;
        }
        static const std::vector<float> kNothing;
        const Match match = findOnset(recorded, calls[k].samples, std::max(after, from), latest,
                                      std::min(until - at[k], kRate / 5),
                                      placed.empty() ? kNothing : calls[placed.back().call].samples,
                                      placed.empty() ? 0 : placed.back().onset,
                                      placed.empty() ? 0.0 : placed.back().gain);
        heard.found = match.onset >= 0;
        if (heard.found) {
            heard.gain = match.gain;
            heard.heardShare = 1.0;
            heard.onsetMs =
                static_cast<double>(recording.timeOf(double(match.onset)) - calls[k].ns) / 1e6;
            onsetOf[k] = match.onset;
            latencies.push_back(match.onset - at[k]);
            after = match.onset + 1;
            placed.push_back({k, hearing.sounds.size(), match.onset, 0, 0, 0, match.gain});
        } else if (k + 1 >= calls.size() || at[k + 1] - at[k] > kCutUnheard) {
            hearing.faults << QStringLiteral("%1 (call %2) is not heard (closest correlation %3)")
                                  .arg(calls[k].name)
                                  .arg(k)
                                  .arg(match.correlation, 0, 'f', 2);
        }
        hearing.sounds.push_back(heard);
    }

    // How long each must be heard: 95 % of its file, or up to the next call, which cuts it
    // off (a new sound at its onset, a stop some time after its call).
    for (std::size_t p = 0; p < placed.size(); ++p) {
        Placed& sound = placed[p];
        const auto length = std::ssize(calls[sound.call].samples);
        sound.required = sound.onset + length * 95 / 100;
        sound.end = sound.onset + length;
        const std::size_t next = sound.call + 1;
        if (next < calls.size() && onsetOf[next] >= 0) {
            sound.required = std::min(sound.required, onsetOf[next]);
            sound.end = std::min(sound.end, onsetOf[next]);
        } else if (next < calls.size()) {
            sound.required = std::min(sound.required, at[next]);
            sound.end = std::min(sound.end, at[next] + kLatest);
            if (p + 1 < placed.size())
                sound.end = std::min(sound.end, placed[p + 1].onset);
        }
        sound.limit = p + 1 < placed.size() ? placed[p + 1].onset : std::ssize(recorded);
        sound.end = std::min(sound.end, sound.limit);
        sound.required = std::min(sound.required, sound.end);
    }

    // Within each: like its file up to `required`; after it, like its file until it stops. When
    // the server runs short of samples (a busy machine), it plays silence or skips a little:
    // the rest of the sound is then found a little later or earlier, and counted as a glitch.
    for (Placed& sound : placed) {
        const std::vector<float>& file = calls[sound.call].samples;
        std::int64_t shift = 0; // of the file against its onset, after glitches
        int glitches = 0;
        for (std::int64_t b = sound.onset + kBlock;;) {
            std::int64_t stopped = sound.end;
            while (stopped > sound.required && std::abs(sample(stopped - 1)) <= kSilence)
                --stopped;
            if (b + kBlock > std::max(sound.required, stopped - kBlock / 10))
                break;
            if (heardLike(recorded, file, sound.onset + shift, sound.gain, b)) {
                b += kBlock;
                continue;
            }
            // The nearest shift from which the next block sounds like the file again; a glitch
            // in the last block is let pass.
            const std::int64_t checkedTo = std::max(sound.required, stopped - kBlock / 10);
            std::optional<std::int64_t> resumed;
            if (glitches < kMostGlitches && b + 3 * kBlock > checkedTo)
                resumed = shift;
            for (std::int64_t d = 1; glitches < kMostGlitches && !resumed && d <= kLongestGlitch;
                 ++d)
                for (const std::int64_t candidate : {shift + d, shift - d})
                    if (!resumed &&
                        heardLike(recorded, file, sound.onset + candidate, sound.gain, b + kBlock))
                        resumed = candidate;
            if (resumed) {
                ++glitches;
                ++hearing.glitches;
                const std::int64_t later = std::max<std::int64_t>(*resumed - shift, 0);
                sound.required = std::min(sound.required + later, sound.limit);
                sound.end = std::min(sound.end + later, sound.limit);
                shift = *resumed;
                b += kBlock;
                continue;
            }
            const bool cutShort = b < sound.required;
            if (cutShort)
                hearing.sounds[sound.heard].heardShare =
                    static_cast<double>(b - sound.onset) /
                    static_cast<double>(sound.required - sound.onset);
            hearing.faults << QStringLiteral(
                                  "%1 (call %2) is heard as its file only for %3 ms of %4 ms%5")
                                  .arg(calls[sound.call].name)
                                  .arg(sound.call)
                                  .arg(ms(b - sound.onset), 0, 'f', 0)
                                  .arg(ms(sound.required - sound.onset), 0, 'f', 0)
                                  .arg(cutShort ? QString() : QStringLiteral(", then not as it"));
            break;
        }
    }

    // Between the sounds: silence.
    const std::int64_t first = std::max<std::int64_t>(0, at.empty() ? 0 : at.front() - kRate / 20);
    std::int64_t last = at.empty() ? 0 : at.back() + kLatest;
    for (const Placed& sound : placed)
        last = std::max(last, sound.end + kRate / 5);
    if (last > std::ssize(recorded))
        hearing.faults << QStringLiteral("the recording ends %1 ms too early")
                              .arg(ms(last - std::ssize(recorded)), 0, 'f', 0);
    last = std::min<std::int64_t>(last, std::ssize(recorded));
    std::vector<char> covered(static_cast<std::size_t>(std::max<std::int64_t>(last - first, 0)));
    for (const Placed& sound : placed)
        for (std::int64_t n = std::max(sound.onset - kEdge, first);
             n < std::min(sound.end + kEdge, last); ++n)
            covered[static_cast<std::size_t>(n - first)] = 1;
    int stray = 0;
    for (std::int64_t b = first; b + kBlock <= last && stray < 5; b += kBlock) {
        double heard = 0;
        bool outside = true;
        for (std::int64_t n = b; n < b + kBlock; ++n) {
            outside = outside && !covered[static_cast<std::size_t>(n - first)];
            heard += double(sample(n)) * sample(n);
        }
        const double level = std::sqrt(heard / kBlock);
        if (outside && level > kSilence) {
            hearing.faults << QStringLiteral("a sound no call started is heard %1 ms after the "
                                             "first call (level %2)")
                                  .arg(ms(b - at.front()), 0, 'f', 0)
                                  .arg(level, 0, 'f', 3);
            ++stray;
        }
    }
    return hearing;
}
