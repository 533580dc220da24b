#pragma once

#include <QImage>
#include <QString>

/// Loads a GIF (or any picture Qt reads) from `path`. A missing file or one that does not decode
/// throws ContentError naming the file and the fault.
QImage loadPictureFile(const QString& path);

/// Loads the 2x form of the picture at `path` (content_paths::doubleSizePicture), whose 1x form
/// is `baseSize`: a null image when there is no such file. One that does not decode, or is not
/// exactly twice `baseSize` each way, throws ContentError naming the 2x file, as a faulty 1x
/// file would.
QImage loadDoubleSizePicture(const QString& path, QSize baseSize);
