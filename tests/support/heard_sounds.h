#pragma once

#include "tests/support/private_pulse_server.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

/// The samples of a 16-bit mono PCM WAV file at kRecordRate, in -1..1; empty when it is not one.
std::vector<float> wavSamples(const QString& path);

/// A call that changes what is heard: a sound started (its samples) or silence (a stop, or a
/// sound that must not be heard: no samples). `ns` is taken just before the call.
struct SoundCall {
    std::int64_t ns = 0;
    QString name;
    std::vector<float> samples;
};

/// How one started sound was heard.
struct HeardSound {
    QString name;
    bool found = false;
    double onsetMs = 0;    ///< from the call to the first sample heard
    double gain = 0;       ///< heard level against the file's
    double heardShare = 0; ///< of what had to be heard: all of it, or up to the next call
};

struct Hearing {
    std::vector<HeardSound> sounds; ///< one for each call with samples, in order
    QStringList faults;             ///< empty when everything was heard as called
    int glitches = 0; ///< where the server ran short of samples (a busy machine) and paused or
                      ///< skipped a little; heard past
};

/// Finds each started sound in the recording by correlation with its samples and checks that
/// every one is heard from its start, as loud as its file, to 95 % of its length or to the
/// next call that cuts it off; and that nothing is heard where no sound was started. A glitch of
/// the server (a pause or skip of up to 30 ms, after which the sound goes on) is counted, not
/// held against the sound.
Hearing hear(const RecordedSound& recording, const std::vector<SoundCall>& calls);
