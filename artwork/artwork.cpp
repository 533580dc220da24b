#include "artwork/artwork.h"

#include "artwork/baked_icon_engine.h"
#include "artwork/picture_catalogue.h"
#include "artwork/raw_picture.h"
#include "facts/radicals.h"

#include <QHash>
#include <QResource>

namespace artwork {
namespace {

// Screens are built afresh at every showing: each picture is read once and kept for the run,
// with the device pixel ratio of its scale (set before it is shared, so its pixels stay where
// the program holds them).
QImage kept(const QString& file, int scale) {
    static QHash<QString, QImage> read;
    auto it = read.constFind(file);
    if (it == read.constEnd()) {
        QImage picture = embeddedPicture(file);
        picture.setDevicePixelRatio(scale);
        it = read.insert(file, picture);
    }
    return *it;
}

} // namespace

QImage embeddedPicture(const QString& file) {
    const QResource resource(QStringLiteral(":/artwork/") + file);
    if (!resource.isValid())
        return {};
    // Most files are stored uncompressed in the program, which keeps them for the whole run:
    // the pictures read their pixels where they lie. The others are unpacked.
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return raw::decode(resource.uncompressedData());
    return raw::decodeInPlace(
        QByteArrayView(reinterpret_cast<const char*>(resource.data()), resource.size()));
}

QImage words(Words which, int scale) {
    return kept(catalogue::wordsFile(which, scale), scale);
}

QImage title(int scale) {
    return kept(catalogue::titleFile(scale), scale);
}

QImage radicalShape(int radicalNo, int scale) {
    return kept(catalogue::radicalFile(qBound(1, radicalNo, kRadicalCount), scale), scale);
}

QImage playPanel(int scale) {
    return kept(catalogue::playPanelFile(scale), scale);
}

QImage emptyGauge(int scale) {
    return kept(catalogue::gaugeFile(scale), scale);
}

QImage iconImage(int size) {
    return embeddedPicture(catalogue::iconFile(size));
}

QIcon windowIcon() {
    static const QIcon icon(new BakedIconEngine);
    return icon;
}

} // namespace artwork
