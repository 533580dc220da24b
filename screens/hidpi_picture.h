#pragma once

#include <QImage>
#include <QSize>
#include <functional>
#include <memory>

/// A picture of a screen in its 1x form and, when it has one, its 2x form (built-in artwork at
/// both scales, or a content picture with its "@2x" file). Drawn for a device pixel ratio it
/// comes from the form that fits: the 1x form at 1, the 2x form at 2, and at other ratios the 2x
/// form (or the 1x one when there is no other) scaled smoothly to the device pixels, so that no
/// picture is a 1x bitmap stretched by the screen. A 2x form can be read when it is first asked
/// for, so that a screen at a ratio of 1 never reads one; copies share it.
class HiDpiPicture {
public:
    HiDpiPicture() = default;
    /// `doubled` is `base` at twice its size each way, or null.
    HiDpiPicture(QImage base, QImage doubled = QImage());
    /// The 2x form comes from `readDoubled` when it is first asked for.
    HiDpiPicture(QImage base, std::function<QImage()> readDoubled);
    /// A picture of `size` pixels shown from `doubled`, its 2x form; the 1x form comes from
    /// `readBase` when it is first asked for, which a high-DPI screen never does.
    HiDpiPicture(QSize size, std::function<QImage()> readBase, QImage doubled);

    /// The 1x form: what the game reads back, and what a screen at a ratio of 1 draws.
    const QImage& base() const;
    /// The 2x form, or null.
    const QImage& doubled() const;
    bool isNull() const { return m_size.isEmpty(); }
    QSize size() const { return m_size; }

    /// The picture drawn over `size` pixels at `ratio` device pixels to the pixel: `size` times
    /// `ratio` (rounded) device pixels, with that device pixel ratio, in a format that a screen
    /// draws without converting (opaque or premultiplied 32-bit colour). A form that fits as it
    /// is comes without a copy.
    QImage drawn(QSize size, qreal ratio) const;

private:
    /// One form, read once for the picture and its copies.
    struct Form {
        std::function<QImage()> read;
        QImage image;
        const QImage& get(int ratio);
    };

    QSize m_size;
    std::shared_ptr<Form> m_base;
    std::shared_ptr<Form> m_doubled;
};
