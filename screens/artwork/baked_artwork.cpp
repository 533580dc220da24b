#include "screens/artwork/baked_artwork.h"

#include "screens/artwork/picture_catalogue.h"
#include "screens/artwork/raw_picture.h"

#include <QPixmap>
#include <QResource>

namespace artwork::baked {
namespace {

QString resourcePath(const QString& file) {
    return QStringLiteral(":/artwork/") + file;
}

} // namespace

QImage picture(const QString& file) {
    // The files are stored uncompressed, so the bytes are read in place.
    const QResource resource(resourcePath(file));
    if (!resource.isValid())
        return {};
    return raw::decode(resource.uncompressedData());
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
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addPixmap(QPixmap::fromImage(picture(catalogue::iconFile(size))));
    return icon;
}

} // namespace artwork::baked
