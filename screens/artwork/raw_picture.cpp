#include "screens/artwork/raw_picture.h"

#include <cstring>

namespace artwork::raw {
namespace {

// "KQPX" read as a number in the byte order of the writer; the other order reads differently.
constexpr quint32 kMark = 0x5850514b;

struct Header {
    quint32 mark;
    quint32 width;
    quint32 height;
    quint32 format;
    quint32 bytesPerLine;
    quint32 colourCount;
};

bool taken(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_Indexed8;
}

} // namespace

QByteArray encode(const QImage& image) {
    if (image.isNull() || !taken(image.format()))
        return {};
    const QList<QRgb> colours = image.colorTable();
    const Header header{kMark,
                        quint32(image.width()),
                        quint32(image.height()),
                        quint32(image.format()),
                        quint32(image.bytesPerLine()),
                        quint32(colours.size())};
    QByteArray bytes;
    bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(colours.constData()),
                 colours.size() * qsizetype(sizeof(QRgb)));
    // Row by row: the padding at the end of a row is not part of the picture and is written
    // as zeros, so the same picture always gives the same bytes.
    for (int y = 0; y < image.height(); ++y) {
        QByteArray row(image.bytesPerLine(), '\0');
        const int used = image.width() * image.depth() / 8;
        std::memcpy(row.data(), image.constScanLine(y), size_t(used));
        bytes.append(row);
    }
    return bytes;
}

QImage decode(QByteArrayView bytes) {
    Header header{};
    if (bytes.size() < qsizetype(sizeof header))
        return {};
    std::memcpy(&header, bytes.data(), sizeof header);
    const auto format = static_cast<QImage::Format>(header.format);
    if (header.mark != kMark || !taken(format) || header.width == 0 || header.height == 0 ||
        header.width > 4096 || header.height > 4096 || header.colourCount > 256)
        return {};
    QImage image(int(header.width), int(header.height), format);
    if (image.isNull() || quint32(image.bytesPerLine()) != header.bytesPerLine)
        return {};
    const qsizetype coloursSize = qsizetype(header.colourCount) * qsizetype(sizeof(QRgb));
    const qsizetype pixelsSize = image.sizeInBytes();
    if (bytes.size() != qsizetype(sizeof header) + coloursSize + pixelsSize)
        return {};
    const char* at = bytes.data() + sizeof header;
    if (header.colourCount > 0) {
        QList<QRgb> colours(header.colourCount);
        std::memcpy(colours.data(), at, size_t(coloursSize));
        image.setColorTable(colours);
    }
    std::memcpy(image.bits(), at + coloursSize, size_t(pixelsSize));
    return image;
}

} // namespace artwork::raw
