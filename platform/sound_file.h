#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

/// The bytes of the WAV file at `path`, or nothing when they cannot be a sound: anything that
/// readContentFile refuses (a missing file, a folder, a FIFO, a device, a file over the size
/// cap), or a file that does not begin as a RIFF WAVE file. Never blocks on a FIFO.
std::optional<QByteArray> readSoundFile(const QString& path);
