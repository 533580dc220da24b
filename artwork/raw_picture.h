#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

// The form the built-in pictures are embedded in: the pixels exactly as they lie in memory, after
// a small header. Reading one is a single copy, with no decoding at all; the program is built
// and run on machines of one byte order, and a picture of the other order is refused.
namespace artwork::raw {

/// `image` (opaque or alpha 32-bit colour, or 8-bit indexed) as bytes: the header (a mark with
/// the byte order, width, height, format, bytes per line, colour count), the colour table and
/// the rows. An empty array for a null image or another format.
QByteArray encode(const QImage& image);

/// The picture that encode() gave `bytes`, in its format with its colour table; a null image
/// when `bytes` are not such a picture (another mark, a format not taken, too few bytes).
QImage decode(QByteArrayView bytes);

/// As decode(), but a 32-bit picture whose rows lie aligned in `bytes` is not copied: the image
/// reads them where they are, so `bytes` must outlive it (and the image copies them before its
/// first change). Other pictures are copied as by decode().
QImage decodeInPlace(QByteArrayView bytes);

} // namespace artwork::raw
