#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

/// A picture file read and checked, not yet decoded: its size comes from its header.
struct PictureFile {
    QString path;
    QByteArray bytes;
    QSize size;
};

/// Reads the picture at `path` and its header. A missing, empty, special or cut-off file, or one
/// whose header does not read, throws ContentError naming the file and the fault.
PictureFile readPictureFile(const QString& path);

/// Decodes `file`; one that does not decode throws ContentError naming it.
QImage decodePicture(const PictureFile& file);

/// Loads a GIF (or any picture Qt reads) from `path`: readPictureFile, then decodePicture.
QImage loadPictureFile(const QString& path);

/// Loads the 2x form of the picture at `path` (content_paths::doubleSizePicture), whose 1x form
/// is `baseSize`: a null image when there is no such file. One that does not decode, or is not
/// exactly twice `baseSize` each way, throws ContentError naming the 2x file, as a faulty 1x
/// file would.
QImage loadDoubleSizePicture(const QString& path, QSize baseSize);
