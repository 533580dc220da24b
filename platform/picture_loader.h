#pragma once

#include <QImage>
#include <QString>

/// Loads a GIF (or any picture Qt reads) from `path`. A missing file or one that does not decode
/// throws ContentError naming the file and the fault.
QImage loadPictureFile(const QString& path);
