#include "platform/picture_loader.h"

#include "platform/gif_structure.h"
#include "shell/content_error.h"
#include "shell/content_file.h"
#include "shell/content_paths.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace {

QString readerFault(QImageReader::ImageReaderError error) {
    switch (error) {
    case QImageReader::FileNotFoundError:
        return QStringLiteral("ファイルが見つかりません。");
    case QImageReader::DeviceError:
        return QStringLiteral("ファイルを読めません。");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("画像ファイルとして読めません（対応していない形式です）。");
    case QImageReader::InvalidDataError:
        return QStringLiteral("画像のデータが壊れています。");
    case QImageReader::UnknownError:
        break;
    }
    return QStringLiteral("画像を読み込めません。");
}

} // namespace

PictureFile readPictureFile(const QString& path) {
    // Throws for a missing, oversized or special file.
    PictureFile file{path, readContentFile(path, kLargeFileLimit), {}};
    if (file.bytes.isEmpty())
        throw ContentError(path, QStringLiteral("ファイルが空です。"));
    // Qt's GIF decoder shows a cut-off file as a picture with a blank lower part; a picture the
    // player must judge would be wrong without a word, so the file's blocks are checked first.
    if (isGifSignature(file.bytes)) {
        const QString fault = gifStructureFault(file.bytes);
        if (!fault.isEmpty())
            throw ContentError(path, fault);
    }
    QBuffer buffer(&file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    file.size = reader.size();
    if (!file.size.isValid())
        throw ContentError(path, readerFault(reader.error()));
    return file;
}

QImage decodePicture(const PictureFile& file) {
    QByteArray bytes = file.bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage picture = reader.read();
    if (picture.isNull())
        throw ContentError(file.path, readerFault(reader.error()));
    return picture;
}

QImage loadPictureFile(const QString& path) {
    return decodePicture(readPictureFile(path));
}

QImage loadDoubleSizePicture(const QString& path, QSize baseSize) {
    const QString file = content_paths::doubleSizePicture(path);
    if (!QFileInfo::exists(file))
        return {};
    QImage picture = loadPictureFile(file);
    const QSize wanted = baseSize * 2;
    if (picture.size() != wanted)
        throw ContentError(
            file,
            QStringLiteral("2 倍の絵の大きさが %1 × %2 です（%3 × %4 でなければなりません）。")
                .arg(picture.width())
                .arg(picture.height())
                .arg(wanted.width())
                .arg(wanted.height()));
    return picture;
}
