#include "screens/artwork/baked_artwork.h"

#include "screens/artwork/baked_icon_engine.h"
#include "screens/artwork/picture_catalogue.h"
#include "screens/artwork/raw_picture.h"

#include <QResource>

namespace artwork::baked {
namespace {

QString resourcePath(const QString& file) {
    return QStringLiteral(":/artwork/") + file;
}

} // namespace

QImage picture(const QString& file) {
    // The files are stored uncompressed in the program, which keeps them for the whole run:
    // the pictures read their pixels where they lie.
    const QResource resource(resourcePath(file));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return raw::decodeInPlace(
        QByteArrayView(reinterpret_cast<const char*>(resource.data()), resource.size()));
}

QImage words(Words which) {
    return picture(catalogue::wordsFile(which));
}

QImage title() {
    return picture(catalogue::titleFile());
}

QImage radicalShape(int radicalNo) {
    return picture(catalogue::radicalFile(qBound(1, radicalNo, 6)));
}

QImage playPanel() {
    return picture(catalogue::playPanelFile());
}

QImage emptyGauge() {
    return picture(catalogue::gaugeFile());
}

QIcon windowIcon() {
    return QIcon(new BakedIconEngine);
}

} // namespace artwork::baked
