#pragma once

#include <QByteArray>
#include <QImage>

namespace content {

/// The bytes of a GIF file holding `indexed` (Format_Indexed8, at most 256 colours in its colour
/// table, every pixel a valid index). Qt reads GIF but cannot write it, hence giflib. The output
/// depends only on the pixels and the colour table. Throws std::runtime_error on a bad image.
QByteArray encodeGif(const QImage& indexed);

} // namespace content
