#pragma once

#include <QByteArray>
#include <QString>

/// Size caps on content files, far above any real one: a word list is a few hundred bytes,
/// the how-to-play text a few kilobytes, a picture or a sound some tens of kilobytes.
inline constexpr qint64 kWordListLimit = qint64(1) << 20;
inline constexpr qint64 kLargeFileLimit = qint64(16) << 20; ///< the text, a picture, a sound

/// The whole of a content file, read for input only. Only a regular file is read, after
/// following links: a folder, a named pipe, a device, a link loop, a missing or unreadable
/// file, or one of more than `limit` bytes is a ContentError naming it and saying what it is.
QByteArray readContentFile(const QString& path, qint64 limit);
