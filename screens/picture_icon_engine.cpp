#include "screens/picture_icon_engine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

PictureIconEngine::PictureIconEngine(HiDpiPicture picture) : m_picture(std::move(picture)) {}

QPixmap PictureIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return drawn(actualSize(size, mode, state), 1, mode);
}

QPixmap PictureIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                        qreal scale) {
    // `size` is in device pixels: the picture is fitted in pixels, then drawn at the scale.
    const QSize fitted = actualSize((QSizeF(size) / scale).toSize(), mode, state);
    return drawn(fitted, scale, mode);
}

QSize PictureIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const QSize own = m_picture.size();
    return own.width() <= size.width() && own.height() <= size.height()
               ? own
               : own.scaled(size, Qt::KeepAspectRatio);
}

void PictureIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state) {
    const qreal scale = painter->device()->devicePixelRatio();
    painter->drawPixmap(rect.topLeft(), drawn(actualSize(rect.size(), mode, state), scale, mode));
}

QList<QSize> PictureIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    return {m_picture.size()};
}

bool PictureIconEngine::isNull() {
    return m_picture.isNull();
}

QIconEngine* PictureIconEngine::clone() const {
    return new PictureIconEngine(m_picture);
}

QString PictureIconEngine::key() const {
    return QStringLiteral("KanjiQuizPicture");
}

QPixmap PictureIconEngine::drawn(QSize size, qreal scale, QIcon::Mode mode) {
    if (m_drawn.isNull() || m_drawnSize != size || m_drawn.devicePixelRatio() != scale) {
        m_drawn = QPixmap::fromImage(m_picture.drawn(size, scale));
        m_drawnSize = size;
        m_disabled = QPixmap();
    }
    if (mode != QIcon::Disabled)
        return m_drawn;
    // A disabled button looks it, greyed by the style as for any icon.
    if (m_disabled.isNull()) {
        QStyleOption option;
        option.palette = QApplication::palette();
        m_disabled = QApplication::style()->generatedIconPixmap(QIcon::Disabled, m_drawn, &option);
    }
    return m_disabled;
}
