#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

/// The functions of SDL2 and SDL2_mixer that the sound output uses, found in the libraries at
/// run time. The game links neither: together they pull in dozens of libraries (decoders,
/// synthesizers, sound servers' clients) that would load before `main()` and slow the start, so
/// they load only on the thread that opens the output, once the menu is on screen. Without them
/// the game plays in silence. SDL's headers still give the types and the signatures.
struct SoundLibrary {
    decltype(&SDL_SetHint) setHint = nullptr;
    decltype(&SDL_InitSubSystem) initSubSystem = nullptr;
    decltype(&SDL_GetCurrentAudioDriver) currentAudioDriver = nullptr;
    decltype(&SDL_QuitSubSystem) quitSubSystem = nullptr;
    decltype(&SDL_TLSCleanup) tlsCleanup = nullptr;
    decltype(&SDL_RWFromConstMem) rwFromConstMem = nullptr;
    decltype(&Mix_OpenAudio) openAudio = nullptr;
    decltype(&Mix_AllocateChannels) allocateChannels = nullptr;
    decltype(&Mix_LoadWAV_RW) loadWavRw = nullptr;
    decltype(&Mix_PlayChannelTimed) playChannelTimed = nullptr;
    decltype(&Mix_HaltChannel) haltChannel = nullptr;
    decltype(&Mix_FreeChunk) freeChunk = nullptr;

    /// Loads SDL2 and SDL2_mixer and finds every function above; false, with the table left
    /// empty, when a library or a function is missing. The libraries stay loaded for the run.
    bool load();
};
