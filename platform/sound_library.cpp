#include "platform/sound_library.h"

#include <QLibrary>
#include <QtGlobal>

namespace {

// The names the libraries have where the game runs: the DLLs that the Windows build puts beside
// the exe (where Windows looks first), or the runtime packages' libSDL2-2.0.so.0 and
// libSDL2_mixer-2.0.so.0 (the unversioned names come only with the development packages).
#if defined(Q_OS_WIN)
QString sdlName() {
    return QStringLiteral("SDL2");
}
QString mixerName() {
    return QStringLiteral("SDL2_mixer");
}
constexpr int kVersion = -1;
#else
QString sdlName() {
    return QStringLiteral("SDL2-2.0");
}
QString mixerName() {
    return QStringLiteral("SDL2_mixer-2.0");
}
constexpr int kVersion = 0;
#endif

#if defined(Q_OS_LINUX)
void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// When no sound server answers, SDL falls back on ALSA, whose library prints "ALSA lib ..."
// lines on stderr when it finds no card. Its own hook takes them instead; SDL loads the same
// library later and shares the hook. Without ALSA there is nothing to silence.
void silenceAlsa() {
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    QLibrary alsa(QStringLiteral("asound"), 2);
    alsa.setLoadHints(QLibrary::PreventUnloadHint);
    if (const auto set = reinterpret_cast<SetHandler>(alsa.resolve("snd_lib_error_set_handler")))
        set(&ignoreAlsaMessage);
}
#endif

template <typename Function> bool resolve(QLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

} // namespace

bool SoundLibrary::load() {
#if defined(Q_OS_LINUX)
    silenceAlsa();
#endif
    // Loaded for the whole run: SDL's threads and the chunks need them until the process is
    // gone, also while it ends (Qt would unload them on Windows at the end).
    QLibrary sdl(sdlName(), kVersion);
    QLibrary mixer(mixerName(), kVersion);
    sdl.setLoadHints(QLibrary::PreventUnloadHint);
    mixer.setLoadHints(QLibrary::PreventUnloadHint);
    SoundLibrary found;
    const bool complete = sdl.load() && mixer.load() &&
                          resolve(sdl, "SDL_SetHint", found.setHint) &&
                          resolve(sdl, "SDL_InitSubSystem", found.initSubSystem) &&
                          resolve(sdl, "SDL_GetCurrentAudioDriver", found.currentAudioDriver) &&
                          resolve(sdl, "SDL_QuitSubSystem", found.quitSubSystem) &&
                          resolve(sdl, "SDL_TLSCleanup", found.tlsCleanup) &&
                          resolve(sdl, "SDL_RWFromConstMem", found.rwFromConstMem) &&
                          resolve(mixer, "Mix_OpenAudio", found.openAudio) &&
                          resolve(mixer, "Mix_AllocateChannels", found.allocateChannels) &&
                          resolve(mixer, "Mix_LoadWAV_RW", found.loadWavRw) &&
                          resolve(mixer, "Mix_PlayChannelTimed", found.playChannelTimed) &&
                          resolve(mixer, "Mix_HaltChannel", found.haltChannel) &&
                          resolve(mixer, "Mix_FreeChunk", found.freeChunk);
    if (complete)
        *this = found;
    return complete;
}
