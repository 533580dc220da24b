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
    : m_size(base.size()), m_base(std::make_shared<Form>(Form{{}, std::move(base)})),
      m_doubled(std::make_shared<Form>(Form{{}, std::move(doubled)})) {
    // Each form carries its own ratio, so that it is drawn as it is, without a copy.
    m_base->image.setDevicePixelRatio(1);
    m_doubled->image.setDevicePixelRatio(2);
}

HiDpiPicture::HiDpiPicture(QImage base, std::function<QImage()> readDoubled)
    : m_size(base.size()), m_base(std::make_shared<Form>(Form{{}, std::move(base)})),
      m_doubled(std::make_shared<Form>(Form{std::move(readDoubled), {}})) {
    m_base->image.setDevicePixelRatio(1);
}

HiDpiPicture::HiDpiPicture(QSize size, std::function<QImage()> readBase, QImage doubled)
    : m_size(size), m_base(std::make_shared<Form>(Form{std::move(readBase), {}})),
      m_doubled(std::make_shared<Form>(Form{{}, std::move(doubled)})) {
    m_doubled->image.setDevicePixelRatio(2);
}

const QImage& HiDpiPicture::Form::get(int ratio) {
    if (read) {
        image = std::exchange(read, nullptr)();
        image.setDevicePixelRatio(ratio);
    }
    return image;
}

const QImage& HiDpiPicture::base() const {
    static const QImage none;
    return m_base ? m_base->get(1) : none;
}

const QImage& HiDpiPicture::doubled() const {
    static const QImage none;
    return m_doubled ? m_doubled->get(2) : none;
}

QImage HiDpiPicture::drawn(QSize size, qreal ratio) const {
    const QSize device = (QSizeF(size) * ratio).toSize();
    const bool fromDoubled = ratio > 1 && !doubled().isNull();
    const QImage& source = fromDoubled ? doubled() : base();
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
