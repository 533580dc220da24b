#pragma once

#include "artwork/artwork.h"

#include <QList>
#include <QString>
#include <functional>

// Every built-in picture under the file name it is embedded in the program with. The build paints
// each picture once with the functions of painting.h and embeds the files, so that the screens
// read them (artwork.h) instead of painting them at every start. The screens' pictures are
// embedded at a scale of 1 and of 2, the 2x one named with "@2x" as Qt names such files
// ("title@2x.pixels"); the icon comes in sizes of its own.
namespace artwork::catalogue {

/// One built-in picture: its file name and the painting that makes it.
struct Entry {
    QString file;                  ///< a plain file name, such as "radical_1.pixels"
    std::function<QImage()> paint; ///< paints the picture at its final size
};

/// The scales the screens' pictures are embedded at.
inline constexpr int kScales[] = {1, 2};

/// The file of a words picture at `scale` (1 or 2).
QString wordsFile(Words which, int scale = 1);
/// The file of the title artwork.
QString titleFile(int scale = 1);
/// The file of radical 1 to 6.
QString radicalFile(int radicalNo, int scale = 1);
/// The file of the play panel.
QString playPanelFile(int scale = 1);
/// The file of the empty gauge.
QString gaugeFile(int scale = 1);
/// The file of the icon at one of kIconSizes.
QString iconFile(int size);

/// All built-in pictures, each once, in a fixed order.
QList<Entry> entries();

} // namespace artwork::catalogue
