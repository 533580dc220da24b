#include "tools/content/wav_file.h"

#include <algorithm>
#include <cmath>

namespace content {

namespace {

void put16(QByteArray& out, quint16 v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>(v >> 8));
}

void put32(QByteArray& out, quint32 v) {
    put16(out, static_cast<quint16>(v & 0xffff));
    put16(out, static_cast<quint16>(v >> 16));
}

// Fades at both ends, long enough to hide any step in the signal.
constexpr double kEdgeFadeSeconds = 0.004;

} // namespace

QByteArray encodeWav(const std::vector<qint16>& samples, int sampleRate) {
    const auto dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVE");
    out.append("fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, static_cast<quint32>(sampleRate));
    put32(out, static_cast<quint32>(sampleRate * 2));
    put16(out, 2);  // bytes per frame
    put16(out, 16); // bits per sample
    out.append("data");
    put32(out, dataBytes);
    for (const qint16 s : samples)
        put16(out, static_cast<quint16>(s));
    return out;
}

std::vector<qint16> toPcm(std::vector<float> signal, double peak, int sampleRate) {
    const auto fade =
        std::min(signal.size() / 2, static_cast<std::size_t>(kEdgeFadeSeconds * sampleRate));
    for (std::size_t i = 0; i < fade; ++i) {
        const float gain = static_cast<float>(i) / static_cast<float>(fade);
        signal[i] *= gain;
        signal[signal.size() - 1 - i] *= gain;
    }
    float loudest = 0;
    for (const float s : signal)
        loudest = std::max(loudest, std::abs(s));
    const double scale = loudest > 0 ? peak * 32767.0 / loudest : 0.0;
    std::vector<qint16> pcm(signal.size());
    for (std::size_t i = 0; i < signal.size(); ++i)
        pcm[i] = static_cast<qint16>(std::lround(signal[i] * scale));
    return pcm;
}

} // namespace content
