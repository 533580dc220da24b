#pragma once

#include <QString>
#include <QStringView>

// Every file the game opens is AppPath followed by a fixed relative path written with "\"
// separators; this module is the one place that turns those into real paths.
namespace content_paths {

/// AppPath from the directory the platform reports: a trailing separator (a root directory
/// such as "C:\" or "/") loses that one character; anything else stays as it is.
QString appPathFrom(const QString& reportedDirectory);

/// AppPath of the running program: its folder in the platform's own form ("C:\Games\Quiz" on
/// Windows, "C:" at a drive's root).
QString appPathOfProgram();

/// AppPath + relative, with the "\" of the relative path mapped to the platform's separator.
QString join(const QString& appPath, QStringView relative);

/// The radical digit: the last character of the decimal text of the radical number.
QString radicalDigit(int radicalNo);

QString oListFile(const QString& appPath, int radicalNo);
QString xListFile(const QString& appPath, int radicalNo);
QString howToPlayFile(const QString& appPath);
/// The optional table of the real kanji of each component, beside the word lists.
QString kanjiTableFile(const QString& appPath);
QString radicalPicture(const QString& appPath, int radicalNo);
QString characterPicture(const QString& appPath, int characterNo);
/// A picture under "\data\画像\" by file name (waku.gif, gmedal.gif, 3.gif...).
QString picture(const QString& appPath, QStringView fileName);
/// A sound under "\音\" by file name (o.wav, pipi.wav...).
QString sound(const QString& appPath, QStringView fileName);

/// The 2x form of the picture at `picturePath`: the same name with the catalogue's mark before
/// its extension (".../b12.gif" gives ".../b12@2x.gif").
QString doubleSizePicture(const QString& picturePath);

} // namespace content_paths
