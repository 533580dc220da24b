#pragma once

#include "artwork/artwork.h"

#include <QList>
#include <QString>
#include <functional>

// Every built-in picture under the file name it is embedded in the program with. The build paints
// each picture once with the functions of painting.h and embeds the files, so that the screens
// read them (artwork.h) instead of painting them at every start.
namespace artwork::catalogue {

/// One built-in picture: its file name and the painting that makes it.
struct Entry {
    QString file;                  ///< a plain file name, such as "radical_1.pixels"
    std::function<QImage()> paint; ///< paints the picture at its final size
};

/// The file of a words picture.
QString wordsFile(Words which);
/// The file of the title artwork.
QString titleFile();
/// The file of radical 1 to 6.
QString radicalFile(int radicalNo);
/// The file of the play panel.
QString playPanelFile();
/// The file of the empty gauge.
QString gaugeFile();
/// The file of the icon at one of kIconSizes.
QString iconFile(int size);

/// All built-in pictures, each once, in a fixed order.
QList<Entry> entries();

} // namespace artwork::catalogue
