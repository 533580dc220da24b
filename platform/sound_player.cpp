#include "platform/sound_player.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer::SoundPlayer(const QStringList& preloadPaths, QObject* parent) : QObject(parent) {
    for (const QString& path : preloadPaths)
        effectFor(path);
}

SoundPlayer::~SoundPlayer() {
    stop();
}

void SoundPlayer::play(const QString& path) {
    m_lastPlayed = path;
    QSoundEffect* effect = effectFor(path);
    // Stop everything first, the same sound included, so a new sound always starts from its
    // beginning. Whether a sound plays is never read back: without a sound server the player
    // reports playing forever, and with one the report comes late.
    stop();
    // Without an output device (no sound server) the game goes on in silence.
    if (effect && !effect->audioDevice().isNull())
        effect->play();
}

void SoundPlayer::stop() {
    for (QSoundEffect* effect : std::as_const(m_effects))
        effect->stop();
}

QSoundEffect* SoundPlayer::effectFor(const QString& path) {
    if (QSoundEffect* known = m_effects.value(path))
        return known;
    // A missing sound is skipped: the game goes on silently.
    if (!QFileInfo(path).isFile())
        return nullptr;
    auto* effect = new QSoundEffect(this);
    effect->setObjectName(path);
    // With no output device the sound is not even loaded: it could never be heard.
    if (!effect->audioDevice().isNull())
        effect->setSource(QUrl::fromLocalFile(path));
    m_effects.insert(path, effect);
    return effect;
}
