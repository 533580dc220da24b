#include "platform/audio_output.h"

#include "platform/sound_library.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

namespace audio_output {

namespace {

enum class State { Closed, Opening, Open, Failed };

std::atomic<State> g_state{State::Closed};
// Filled by the worker thread before it sets Open, read only once Open is seen.
SoundLibrary g_library;

// The program may end while the worker still loads the libraries: the end runs the libraries'
// finalizers, and a library loaded or looked up meanwhile crashes it. So the end waits until the
// loading is over (it reads files and never waits for the server), and the worker opens nothing
// once the end has begun.
// It may also end while the worker opens the device, which loads the system's audio drivers:
// under Wine such an end was seen to hang, or to be killed by Wine a second later. So the end
// also waits for an opening under way, but at most kOpeningWaitAtEnd: a hung sound server must
// not keep the program from ending.
constexpr auto kOpeningWaitAtEnd = std::chrono::seconds(1);
std::mutex g_workerMutex;
std::condition_variable g_workerDone;
bool g_loading = false;
bool g_opening = false;
bool g_ending = false;

void waitForWorkerAtEnd() {
    std::unique_lock lock(g_workerMutex);
    g_ending = true;
    g_workerDone.wait(lock, [] { return !g_loading; });
    g_workerDone.wait_for(lock, kOpeningWaitAtEnd, [] { return !g_opening; });
}

// Loads the libraries; false when they are missing or the program is ending.
bool loadUnlessEnding() {
    const bool loaded = g_library.load();
    const std::lock_guard lock(g_workerMutex);
    g_loading = false;
    g_opening = loaded && !g_ending;
    // Under the lock: the end, and the condition variable with it, waits for this.
    g_workerDone.notify_all();
    return g_opening;
}

void openingDone(State state) {
    g_state.store(state, std::memory_order_release);
    const std::lock_guard lock(g_workerMutex);
    g_opening = false;
    g_workerDone.notify_all();
}

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
    g_loading = true;
    std::atexit(waitForWorkerAtEnd);
    try {
        // Never joined: a hung sound server keeps only this thread waiting, and the program
        // ends without it, a second later. Nothing is closed at the end either, as closing waits
        // for the server.
        std::thread([] {
            if (!loadUnlessEnding()) {
                g_state.store(State::Failed, std::memory_order_release);
                return;
            }
            const bool opened = open(g_library);
            // What SDL keeps for this thread (its error text) goes with it.
            g_library.tlsCleanup();
            openingDone(opened ? State::Open : State::Failed);
        }).detach();
    } catch (const std::system_error&) {
        const std::lock_guard lock(g_workerMutex);
        g_loading = false;
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
