#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// Validates a content directory the way the game will read it: with the game's own word-list
// parser, how-to-play reader and picture loader, so that every fault it reports is one the game
// would meet, and every fault is reported, not just the first.
namespace content {

/// One fault: the file it lies in and what is wrong, in the words of the game's error path.
struct Fault {
    QString file;
    QString text;
};

/// Every fault of the content under `appDir` (the directory that holds data/ and 音/): missing
/// files, list faults, lists that cannot make a game, pictures that do not decode or have the
/// wrong size, 2x forms ("@2x" files, which may be missing) that do not decode or are not twice
/// their picture's size, a gauge whose cells or separators are out of place (in its 2x form
/// too), a text that is not code page 932, sounds that are not 16-bit PCM WAV. Empty when the
/// content is clean.
QList<Fault> checkContent(const QString& appDir);

/// What is wrong with a sound file for the player (RIFF/WAVE, PCM, 16-bit, some samples);
/// empty when it is fine.
QString wavFault(const QByteArray& bytes);

} // namespace content
