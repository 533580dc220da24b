#include "artwork/artwork.h"

#include "artwork/baked_icon_engine.h"
#include "artwork/picture_catalogue.h"
#include "artwork/raw_picture.h"
#include "shell/radicals.h"

#include <QHash>
#include <QResource>

namespace artwork {
namespace {

// Screens are built afresh at every showing: each picture is read once and kept for the run.
QImage kept(const QString& file) {
    static QHash<QString, QImage> read;
    auto it = read.constFind(file);
    if (it == read.constEnd())
        it = read.insert(file, embeddedPicture(file));
    return *it;
}

} // namespace

QImage embeddedPicture(const QString& file) {
    // The files are stored uncompressed in the program, which keeps them for the whole run:
    // the pictures read their pixels where they lie.
    const QResource resource(QStringLiteral(":/artwork/") + file);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return raw::decodeInPlace(
        QByteArrayView(reinterpret_cast<const char*>(resource.data()), resource.size()));
}

QImage words(Words which) {
    return kept(catalogue::wordsFile(which));
}

QImage title() {
    return kept(catalogue::titleFile());
}

QImage radicalShape(int radicalNo) {
    return kept(catalogue::radicalFile(qBound(1, radicalNo, kRadicalCount)));
}

QImage playPanel() {
    return kept(catalogue::playPanelFile());
}

QImage emptyGauge() {
    return kept(catalogue::gaugeFile());
}

QImage iconImage(int size) {
    return embeddedPicture(catalogue::iconFile(size));
}

QIcon windowIcon() {
    static const QIcon icon(new BakedIconEngine);
    return icon;
}

} // namespace artwork
