#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

class QSoundEffect;

/// One play screen's sounds. The screen's sound files are loaded when the player is made, so a
/// play starts at once; playing a sound cuts off the one that plays. A missing file or a machine
/// without an audio device is skipped silently: the game goes on without sound.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(const QStringList& preloadPaths, QObject* parent = nullptr);
    ~SoundPlayer() override;

    /// Starts the sound file at `path` from its beginning (loading it first if it was not
    /// preloaded), after stopping any sound of this player that still plays.
    void play(const QString& path);
    /// Stops whatever plays.
    void stop();
    /// The path of the last sound asked for (for tests and diagnostics).
    QString lastPlayed() const { return m_lastPlayed; }

private:
    QSoundEffect* effectFor(const QString& path);

    QHash<QString, QSoundEffect*> m_effects;
    QString m_lastPlayed;
};
