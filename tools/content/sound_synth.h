#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace content {

/// One sound of the game: its file name under the sound folder and its samples.
struct Sound {
    QString fileName;
    std::vector<qint16> samples;
};

/// The seven sounds, synthesized: o.wav (a bright chime for a right answer), x.wav (a short low
/// buzz for a wrong one), goukaku.wav (a two-second fanfare for a pass), karasu.wav (a crow's
/// "kaa kaa"), dame.wav (a falling "no" phrase), pipi.wav (a double beep) and pipipi.wav (the
/// final triple beep). Noise comes from a fixed seed, so the samples never change.
std::vector<Sound> gameSounds();

} // namespace content
