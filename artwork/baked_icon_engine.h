#pragma once

#include <QHash>
#include <QIconEngine>
#include <QPixmap>

// The window icon over the embedded icon pictures. A size is read when it is first drawn, not
// when the icon is made: most platforms draw one or two sizes, and the offscreen one none.
class BakedIconEngine : public QIconEngine {
public:
    /// The embedded icon at the nearest size at or above the asked one (the largest when none
    /// is as large), scaled down to fit `size`; the same for every mode and state.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    /// The size pixmap() gives for `size`.
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    /// Draws pixmap() for the rectangle's size into it.
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    /// Every size of artwork::kIconSizes.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    /// A copy that shares nothing it has read.
    QIconEngine* clone() const override;
    /// Names this engine.
    QString key() const override;

private:
    QPixmap embedded(int side);
    QHash<int, QPixmap> m_read; ///< the sizes read so far, by side
};
