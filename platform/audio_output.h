#pragma once

struct SoundLibrary;

// The program's one sound output, through SDL2_mixer, with one channel: a new sound stops the one
// that plays. A sound server may be slow, absent or hung, and neither the start nor a screen may
// wait for it, so the output is opened once per run on a worker thread, which loads SDL2 and
// SDL2_mixer first; until it is open, every use of it is skipped and the game goes on in silence.
namespace audio_output {

/// Starts opening the output on a worker thread, the first time only; returns at once.
void startOpening();

/// The output is open: sounds can be made into chunks and played. Never waits.
bool isOpen();

/// The functions of the open output's libraries; null until the output is open. Never waits.
const SoundLibrary* library();

} // namespace audio_output
