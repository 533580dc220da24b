#pragma once

#include "screens/artwork/artwork.h"

#include <QIcon>
#include <QImage>
#include <QString>

// The built-in pictures as the build painted and embedded them (see picture_catalogue.h).
// Reading an embedded picture is one copy of its pixels, against milliseconds of painting (and a
// first use of the font), so the program starts without painting anything. Each picture comes
// in the form its painting gives: opaque 32-bit colour, the gauge indexed in its four colours,
// the icons with alpha.
namespace artwork::baked {

/// The embedded picture of `file` (a name from artwork::catalogue), as stored; a null image
/// when the program holds no picture of that name. The image reads the program's copy in place
/// and copies it before its first change.
QImage picture(const QString& file);

/// artwork::words, as embedded.
QImage words(Words which);
/// artwork::title, as embedded.
QImage title();
/// artwork::radicalShape, as embedded.
QImage radicalShape(int radicalNo);
/// artwork::playPanel, as embedded.
QImage playPanel();
/// artwork::emptyGauge, as embedded.
QImage emptyGauge();
/// artwork::windowIcon, from the embedded sizes; each size is read when it is first drawn.
QIcon windowIcon();

} // namespace artwork::baked
