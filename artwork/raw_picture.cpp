#include "artwork/raw_picture.h"

#include <cstring>
#include <optional>

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

// Large enough for every built-in picture, small enough that no size computation overflows.
constexpr quint32 kMostSide = 4096;

bool taken(QImage::Format format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_Indexed8;
}

int depth(QImage::Format format) {
    return format == QImage::Format_Indexed8 ? 8 : 32;
}

// The header of `bytes` when they hold a whole picture that decode() takes; nothing otherwise.
std::optional<Header> check(QByteArrayView bytes) {
    Header header{};
    if (bytes.size() < qsizetype(sizeof header))
        return {};
    std::memcpy(&header, bytes.data(), sizeof header);
    const auto format = static_cast<QImage::Format>(header.format);
    if (header.mark != kMark || !taken(format) || header.width == 0 || header.height == 0 ||
        header.width > kMostSide || header.height > kMostSide || header.colourCount > 256)
        return {};
    const qsizetype rowBytes = (qsizetype(header.width) * qsizetype(depth(format)) + 31) / 32 * 4;
    if (qsizetype(header.bytesPerLine) != rowBytes)
        return {};
    const qsizetype size = qsizetype(sizeof header) + 4 * qsizetype(header.colourCount) +
                           rowBytes * qsizetype(header.height);
    if (bytes.size() != size)
        return {};
    return header;
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
    const std::optional<Header> header = check(bytes);
    if (!header)
        return {};
    QImage image(int(header->width), int(header->height), QImage::Format(header->format));
    if (image.isNull() || image.sizeInBytes() != qsizetype(header->bytesPerLine) * header->height)
        return {};
    const qsizetype coloursSize = qsizetype(header->colourCount) * qsizetype(sizeof(QRgb));
    const char* at = bytes.data() + sizeof(Header);
    if (header->colourCount > 0) {
        QList<QRgb> colours(header->colourCount);
        std::memcpy(colours.data(), at, size_t(coloursSize));
        image.setColorTable(colours);
    }
    std::memcpy(image.bits(), at + coloursSize, size_t(image.sizeInBytes()));
    return image;
}

QImage decodeInPlace(QByteArrayView bytes) {
    const std::optional<Header> header = check(bytes);
    if (!header)
        return {};
    const auto format = QImage::Format(header->format);
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.data()) + sizeof(Header);
    const bool aligned = reinterpret_cast<quintptr>(pixels) % alignof(QRgb) == 0;
    if (format == QImage::Format_Indexed8 || !aligned)
        return decode(bytes);
    return QImage(pixels, int(header->width), int(header->height), int(header->bytesPerLine),
                  format);
}

} // namespace artwork::raw
