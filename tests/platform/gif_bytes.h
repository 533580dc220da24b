#pragma once

#include <QByteArray>
#include <QImage>
#include <gif_lib.h>

// Writes an indexed picture as GIF bytes with giflib, for tests that need real GIF files.
inline QByteArray gifBytes(const QImage& indexed) {
    QByteArray out;
    auto write = [](GifFileType* gif, const GifByteType* data, int length) {
        static_cast<QByteArray*>(gif->UserData)
            ->append(reinterpret_cast<const char*>(data), length);
        return length;
    };
    int error = 0;
    GifFileType* gif = EGifOpen(&out, write, &error);
    if (!gif)
        return {};
    QList<GifColorType> colours;
    for (const QRgb rgb : indexed.colorTable())
        colours.append(GifColorType{GifByteType(qRed(rgb)), GifByteType(qGreen(rgb)),
                                    GifByteType(qBlue(rgb))});
    while (colours.size() < 4) // giflib wants a power of two of at least two entries
        colours.append(GifColorType{0, 0, 0});
    ColorMapObject* map = GifMakeMapObject(int(colours.size()), colours.constData());
    EGifSetGifVersion(gif, true);
    bool ok =
        map && EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y) {
        QByteArray line(reinterpret_cast<const char*>(indexed.constScanLine(y)), indexed.width());
        ok = EGifPutLine(gif, reinterpret_cast<GifPixelType*>(line.data()), indexed.width()) ==
             GIF_OK;
    }
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
    return ok ? out : QByteArray();
}
