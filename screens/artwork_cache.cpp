#include "screens/artwork_cache.h"

#include "screens/artwork/baked_artwork.h"

#include <QHash>

namespace artwork_cache {

QImage words(artwork::Words which) {
    static QHash<int, QImage> cache;
    const int key = static_cast<int>(which);
    auto it = cache.constFind(key);
    if (it == cache.constEnd())
        it = cache.insert(key, artwork::baked::words(which));
    return *it;
}

QImage title() {
    static const QImage image = artwork::baked::title();
    return image;
}

QImage radicalShape(int radicalNo) {
    static QHash<int, QImage> cache;
    auto it = cache.constFind(radicalNo);
    if (it == cache.constEnd())
        it = cache.insert(radicalNo, artwork::baked::radicalShape(radicalNo));
    return *it;
}

QImage playPanel() {
    static const QImage image = artwork::baked::playPanel();
    return image;
}

QImage emptyGauge() {
    static const QImage image = artwork::baked::emptyGauge();
    return image;
}

QIcon windowIcon() {
    static const QIcon icon = artwork::baked::windowIcon();
    return icon;
}

} // namespace artwork_cache
