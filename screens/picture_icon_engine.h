#pragma once

#include "screens/hidpi_picture.h"

#include <QIconEngine>

/// A graphical button's picture as the icon its style draws: at every device pixel ratio the
/// picture drawn for that ratio (HiDpiPicture), at its own size or smaller, never larger; greyed
/// by the style when disabled, the same in every other mode and state.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(HiDpiPicture picture);

    /// The picture at a ratio of 1, fitted into `size`.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    /// The picture at `scale`, fitted into `size` device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    /// The picture's size, fitted into `size`.
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    /// Draws the picture for the painter's device into `rect`.
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    /// The picture's size.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QPixmap drawn(QSize size, qreal scale, QIcon::Mode mode);

    HiDpiPicture m_picture;
    QPixmap m_drawn; ///< the last picture drawn, kept for the style's next repaint
    QSize m_drawnSize;
    QPixmap m_disabled; ///< m_drawn greyed, made when first asked for
};
