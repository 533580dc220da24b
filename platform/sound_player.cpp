#include "platform/sound_player.h"

#include "platform/audio_output.h"
#include "platform/sound_file.h"

#include <SDL_mixer.h>

SoundPlayer::SoundPlayer(const QStringList& preloadPaths, QObject* parent) : QObject(parent) {
    audio_output::startOpening();
    const bool open = audio_output::isOpen();
    for (const QString& path : preloadPaths) {
        Sound& sound = soundFor(path);
        if (open)
            chunkOf(sound);
    }
}

SoundPlayer::~SoundPlayer() {
    // Freeing a chunk stops it if it plays.
    for (const Sound& sound : std::as_const(m_sounds))
        if (sound.chunk)
            Mix_FreeChunk(sound.chunk);
}

void SoundPlayer::play(const QString& path) {
    m_lastPlayed = path;
    if (!audio_output::isOpen())
        return;
    // Whether the sound plays is never read back: the game never depends on it.
    if (Mix_Chunk* chunk = chunkOf(soundFor(path)))
        Mix_PlayChannel(0, chunk, 0);
    else
        Mix_HaltChannel(0);
}

void SoundPlayer::stop() {
    if (audio_output::isOpen())
        Mix_HaltChannel(0);
}

SoundPlayer::Sound& SoundPlayer::soundFor(const QString& path) {
    auto known = m_sounds.find(path);
    if (known != m_sounds.end())
        return *known;
    Sound sound;
    sound.wav = readSoundFile(path).value_or(QByteArray());
    return *m_sounds.insert(path, std::move(sound));
}

Mix_Chunk* SoundPlayer::chunkOf(Sound& sound) {
    if (!sound.chunk && !sound.wav.isEmpty()) {
        sound.chunk = Mix_LoadWAV_RW(
            SDL_RWFromConstMem(sound.wav.constData(), static_cast<int>(sound.wav.size())), 1);
        sound.wav = QByteArray(); // decoded, or never playable
    }
    return sound.chunk;
}
