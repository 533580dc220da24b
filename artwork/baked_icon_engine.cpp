#include "artwork/baked_icon_engine.h"

#include "artwork/artwork.h"
#include "artwork/picture_catalogue.h"

#include <QPainter>

namespace {

// The embedded side to draw `wanted` from: the nearest at or above it, else the largest.
int sideFor(const QSize& wanted) {
    const int longest = qMax(wanted.width(), wanted.height());
    for (const int side : artwork::kIconSizes)
        if (side >= longest)
            return side;
    return std::end(artwork::kIconSizes)[-1];
}

} // namespace

QPixmap BakedIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const QSize fitted = actualSize(size, mode, state);
    if (fitted.isEmpty())
        return {};
    const QPixmap source = embedded(sideFor(size));
    if (source.size() == fitted)
        return source;
    return source.scaled(fitted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QSize BakedIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const int side = sideFor(size);
    return QSize(side, side).scaled(size.boundedTo(QSize(side, side)), Qt::KeepAspectRatio);
}

void BakedIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
}

QList<QSize> BakedIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const int side : artwork::kIconSizes)
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine* BakedIconEngine::clone() const {
    return new BakedIconEngine;
}

QString BakedIconEngine::key() const {
    return QStringLiteral("KanjiQuizBakedIcon");
}

QPixmap BakedIconEngine::embedded(int side) {
    auto it = m_read.constFind(side);
    if (it == m_read.constEnd())
        it = m_read.insert(
            side, QPixmap::fromImage(artwork::embeddedPicture(artwork::catalogue::iconFile(side))));
    return *it;
}
