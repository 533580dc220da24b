#pragma once

#include <QRect>

// The screens are laid out in twips, the unit their layouts are drawn in, converted at 15 twips
// a pixel (96 dots per inch). Constant, so that a layout and what is drawn to fit it can be held
// together by the compiler.
namespace twips {

inline constexpr int kTwipsPerPixel = 15;

/// Twips to whole pixels, to the nearest pixel.
constexpr int toPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

/// A rectangle in whole pixels; right() and bottom() are the first column and row past it.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    /// Whether every pixel of `inner` is one of this rectangle's.
    constexpr bool contains(const PixelRect& inner) const {
        return inner.left >= left && inner.top >= top && inner.right() <= right() &&
               inner.bottom() <= bottom();
    }
    /// This rectangle in the pixels of a picture whose top left pixel lies at `origin`.
    constexpr PixelRect relativeTo(const PixelRect& origin) const {
        return {left - origin.left, top - origin.top, width, height};
    }
    /// This rectangle with each edge moved outwards by its margin.
    constexpr PixelRect grown(int leftMargin, int topMargin, int rightMargin,
                              int bottomMargin) const {
        return {left - leftMargin, top - topMargin, width + leftMargin + rightMargin,
                height + topMargin + bottomMargin};
    }
    /// The smallest rectangle that holds this one and `other`.
    constexpr PixelRect united(const PixelRect& other) const {
        const int l = left < other.left ? left : other.left;
        const int t = top < other.top ? top : other.top;
        const int r = right() > other.right() ? right() : other.right();
        const int b = bottom() > other.bottom() ? bottom() : other.bottom();
        return {l, t, r - l, b - t};
    }

    /// The same rectangle as Qt takes it.
    constexpr QRect toQRect() const { return {left, top, width, height}; }

    constexpr bool operator==(const PixelRect&) const = default;
};

/// One control of a screen: its name (the objectName of its widget) and its place in twips,
/// relative to the client area of its window or of its container.
struct Control {
    const char* name;
    int left;
    int top;
    int width;
    int height;

    /// The control's rectangle in pixels; each of its four figures is converted on its own.
    constexpr PixelRect pixels() const {
        return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
    }
};

} // namespace twips
