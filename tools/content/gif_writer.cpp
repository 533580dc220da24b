#include "tools/content/gif_writer.h"

#include <gif_lib.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace content {

namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

[[noreturn]] void fail(const char* what, int error) {
    const char* text = GifErrorString(error);
    throw std::runtime_error(std::string("GIF: ") + what + ": " + (text ? text : "unknown error"));
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

} // namespace

QByteArray encodeGif(const QImage& indexed) {
    if (indexed.format() != QImage::Format_Indexed8)
        throw std::runtime_error("GIF: the image is not indexed");
    const QList<QRgb> colours = indexed.colorTable();
    if (colours.isEmpty() || colours.size() > 256)
        throw std::runtime_error("GIF: the colour table must hold 1 to 256 colours");
    // giflib wants a power-of-two table of at least two entries; the spare entries stay black.
    int bits = 1;
    while ((1 << bits) < colours.size())
        ++bits;
    std::vector<GifColorType> entries(static_cast<std::size_t>(1 << bits), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < colours.size(); ++i)
        entries[static_cast<std::size_t>(i)] =
            GifColorType{static_cast<GifByteType>(qRed(colours[i])),
                         static_cast<GifByteType>(qGreen(colours[i])),
                         static_cast<GifByteType>(qBlue(colours[i]))};
    std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(1 << bits, entries.data()));
    if (!map)
        throw std::runtime_error("GIF: out of memory");

    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    if (!gif)
        fail("open", error);
    const int width = indexed.width();
    const int height = indexed.height();
    if (EGifPutScreenDesc(gif, width, height, bits, 0, map.get()) == GIF_ERROR ||
        EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR) {
        error = gif->Error;
        EGifCloseFile(gif, nullptr);
        fail("header", error);
    }
    std::vector<GifPixelType> line(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const uchar* src = indexed.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            if (src[x] >= colours.size()) {
                EGifCloseFile(gif, nullptr);
                throw std::runtime_error("GIF: a pixel has no colour in the table");
            }
            line[static_cast<std::size_t>(x)] = src[x];
        }
        if (EGifPutLine(gif, line.data(), width) == GIF_ERROR) {
            error = gif->Error;
            EGifCloseFile(gif, nullptr);
            fail("pixels", error);
        }
    }
    if (EGifCloseFile(gif, &error) == GIF_ERROR)
        fail("close", error);
    return out;
}

} // namespace content
