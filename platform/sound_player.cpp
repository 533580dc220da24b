#include "platform/sound_player.h"

#include "platform/audio_output.h"
#include "platform/sound_file.h"
#include "platform/sound_library.h"

SoundPlayer::SoundPlayer(const QStringList& preloadPaths, QObject* parent) : QObject(parent) {
    audio_output::startOpening();
    const SoundLibrary* sdl = audio_output::library();
    for (const QString& path : preloadPaths) {
        Sound& sound = soundFor(path);
        if (sdl)
            chunkOf(*sdl, sound);
    }
}

SoundPlayer::~SoundPlayer() {
    // Chunks are made only once the output is open. Freeing one stops it if it plays.
    if (const SoundLibrary* sdl = audio_output::library())
        for (const Sound& sound : std::as_const(m_sounds))
            if (sound.chunk)
                sdl->freeChunk(sound.chunk);
}

void SoundPlayer::play(const QString& path) {
    m_lastPlayed = path;
    const SoundLibrary* sdl = audio_output::library();
    if (!sdl)
        return;
    // Whether the sound plays is never read back: the game never depends on it.
    if (Mix_Chunk* chunk = chunkOf(*sdl, soundFor(path)))
        sdl->playChannelTimed(0, chunk, 0, -1);
    else
        sdl->haltChannel(0);
}

void SoundPlayer::stop() {
    if (const SoundLibrary* sdl = audio_output::library())
        sdl->haltChannel(0);
}

SoundPlayer::Sound& SoundPlayer::soundFor(const QString& path) {
    auto known = m_sounds.find(path);
    if (known != m_sounds.end())
        return *known;
    Sound sound;
    sound.wav = readSoundFile(path).value_or(QByteArray());
    return *m_sounds.insert(path, std::move(sound));
}

Mix_Chunk* SoundPlayer::chunkOf(const SoundLibrary& sdl, Sound& sound) {
    if (!sound.chunk && !sound.wav.isEmpty()) {
        sound.chunk = sdl.loadWavRw(
            sdl.rwFromConstMem(sound.wav.constData(), static_cast<int>(sound.wav.size())), 1);
        sound.wav = QByteArray(); // decoded, or never playable
    }
    return sound.chunk;
}
