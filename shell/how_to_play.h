#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The lines of a how-to-play text in code page 932: each line without its line end (CR LF;
/// a lone LF or CR is taken as a line end too), an empty line as an empty entry, a last line
/// without a line end still read, and no empty entry after a final line end. Throws
/// ContentError naming `fileName` when the bytes are not valid code page 932.
QStringList parseHowToPlay(const QByteArray& bytes, const QString& fileName);

/// Reads the file at `path` and parses it as above.
QStringList loadHowToPlay(const QString& path);
