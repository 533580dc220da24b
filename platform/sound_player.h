#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

struct Mix_Chunk;
struct SoundLibrary;

/// One play screen's sounds, played on the program's one audio output: a sound that starts
/// stops the one that plays. The screen's sound files are read when the player is made and
/// decoded as soon as the output is open, so a play starts at once. Nothing waits for the sound
/// server: until the output is open, and on a machine without one, every call returns at once in
/// silence. A sound file that is missing or cannot be played is skipped silently.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(const QStringList& preloadPaths, QObject* parent = nullptr);
    ~SoundPlayer() override;

    /// Starts the sound file at `path` from its beginning (reading it first if it was not
    /// preloaded), stopping whatever plays.
    void play(const QString& path);
    /// Stops whatever plays.
    void stop();
    /// The path of the last sound asked for (for tests and diagnostics).
    QString lastPlayed() const { return m_lastPlayed; }

private:
    struct Sound {
        QByteArray wav;             ///< the file, until it is decoded
        Mix_Chunk* chunk = nullptr; ///< decoded for the output; null when it cannot play
    };
    Sound& soundFor(const QString& path);
    /// The sound decoded for the open output.
    static Mix_Chunk* chunkOf(const SoundLibrary& sdl, Sound& sound);

    QHash<QString, Sound> m_sounds;
    QString m_lastPlayed;
};
