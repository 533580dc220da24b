#include "screens/hidpi_picture.h"

#include <QPainter>
#include <utility>

namespace {

// `source` reduced to `device` pixels. From the 2x form to a ratio between 1 and 2 a bilinear
// reduction is as sharp as an averaging one and costs a fraction of it, which a high-DPI start
// feels (the menu's pictures are 1.2 million pixels at 2x).
QImage reduced(const QImage& source, QSize device) {
    QImage image(device, source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                  : QImage::Format_RGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), device), source);
    return image;
}

} // namespace

HiDpiPicture::HiDpiPicture(QImage base, QImage doubled)
    : m_base(std::move(base)),
      m_doubled(std::make_shared<Doubled>(Doubled{{}, std::move(doubled)})) {
    // Each form carries its own ratio, so that it is drawn as it is, without a copy.
    m_base.setDevicePixelRatio(1);
    m_doubled->image.setDevicePixelRatio(2);
}

HiDpiPicture::HiDpiPicture(QImage base, std::function<QImage()> readDoubled)
    : m_base(std::move(base)),
      m_doubled(std::make_shared<Doubled>(Doubled{std::move(readDoubled), {}})) {
    m_base.setDevicePixelRatio(1);
}

const QImage& HiDpiPicture::doubled() const {
    static const QImage none;
    if (!m_doubled)
        return none;
    if (m_doubled->read) {
        m_doubled->image = std::exchange(m_doubled->read, nullptr)();
        m_doubled->image.setDevicePixelRatio(2);
    }
    return m_doubled->image;
}

QImage HiDpiPicture::drawn(QSize size, qreal ratio) const {
    const QSize device = (QSizeF(size) * ratio).toSize();
    const bool fromDoubled = ratio > 1 && !doubled().isNull();
    const QImage& source = fromDoubled ? doubled() : m_base;
    QImage image = source;
    if (source.size() != device)
        image = fromDoubled && device.width() < source.width()
                    ? reduced(source, device)
                    : source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.format() != QImage::Format_RGB32 &&
        image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}
