#pragma once

#include <QByteArray>
#include <vector>

namespace content {

/// Sample rate of every sound of the game.
inline constexpr int kSampleRate = 22050;

/// A WAV file: RIFF header, a 16-byte PCM "fmt " chunk (mono, 16-bit, `sampleRate`) and the
/// "data" chunk of the samples, little-endian.
QByteArray encodeWav(const std::vector<qint16>& samples, int sampleRate = kSampleRate);

/// Samples in -1..1 scaled so that the loudest one has `peak` (below 1, so nothing clips), with
/// the first and last few milliseconds faded so that no click starts or ends the sound.
std::vector<qint16> toPcm(std::vector<float> signal, double peak, int sampleRate = kSampleRate);

} // namespace content
