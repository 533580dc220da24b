#include "platform/audio_output.h"

#include "platform/sound_library.h"

#include <atomic>
#include <cstring>
#include <system_error>
#include <thread>

namespace audio_output {

namespace {

enum class State { Closed, Opening, Open, Failed };

std::atomic<State> g_state{State::Closed};
// Filled by the worker thread before it sets Open, read only once Open is seen.
SoundLibrary g_library;

// 512 frames at 44.1 kHz mix every 12 ms: a sound starts within about two mixes of its call.
constexpr int kChunkFrames = 512;

bool open(const SoundLibrary& sdl) {
    // The audio subsystem brings SDL's events, whose handlers would take SIGINT and SIGTERM
    // from the program.
    sdl.setHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A WAV file cut short is skipped rather than played up to the cut.
    sdl.setHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    if (sdl.initSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    // SDL_AUDIODRIVER may choose the "disk" driver, which writes the sound into a file; the
    // program never writes a file.
    const char* driver = sdl.currentAudioDriver();
    if (!driver || std::strcmp(driver, "disk") == 0 ||
        sdl.openAudio(MIX_DEFAULT_FREQUENCY, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
        sdl.quitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    sdl.allocateChannels(1);
    return true;
}

} // namespace

void startOpening() {
    State closed = State::Closed;
    if (!g_state.compare_exchange_strong(closed, State::Opening))
        return;
    try {
        // Never joined: a hung sound server keeps only this thread waiting, and the program
        // ends without it. Nothing is closed at the end either, as closing waits for the server.
        std::thread([] {
            if (!g_library.load()) {
                g_state.store(State::Failed, std::memory_order_release);
                return;
            }
            g_state.store(open(g_library) ? State::Open : State::Failed, std::memory_order_release);
            // What SDL keeps for this thread (its error text) goes with it.
            g_library.tlsCleanup();
        }).detach();
    } catch (const std::system_error&) {
        g_state.store(State::Failed);
    }
}

bool isOpen() {
    return g_state.load(std::memory_order_acquire) == State::Open;
}

const SoundLibrary* library() {
    return isOpen() ? &g_library : nullptr;
}

} // namespace audio_output
