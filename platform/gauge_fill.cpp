#include "platform/gauge_fill.h"

#include <vector>

namespace {

struct Seed {
    int x;
    int y;
};

// The area fill reads and writes 32-bit pixels; other formats (the gauge is indexed) are
// converted once, before the first fill, and stay converted.
void makeThirtyTwoBit(QImage& image) {
    const QImage::Format format = image.format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32)
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

} // namespace

int floodFill(QImage& image, int x, int y, QRgb fill, QRgb boundary) {
    if (image.isNull() || !image.rect().contains(x, y))
        return 0;
    makeThirtyTwoBit(image);
    if (image.format() == QImage::Format_RGB32) {
        // RGB32 keeps its alpha byte at 0xff; compare and paint in that form.
        fill |= 0xff000000u;
        boundary |= 0xff000000u;
    }
    const int width = image.width();
    const int height = image.height();
    auto pixel = [&image](int px, int py) -> QRgb& {
        return reinterpret_cast<QRgb*>(image.scanLine(py))[px];
    };
    // The area may already hold the fill colour in places, so visited pixels are tracked apart
    // from their colour; otherwise such an area would be filled forever.
    std::vector<bool> visited(size_t(width) * size_t(height), false);
    auto open = [&](int px, int py) {
        return !visited[size_t(py) * size_t(width) + size_t(px)] && pixel(px, py) != boundary;
    };
    if (!open(x, y))
        return 0;

    int painted = 0;
    std::vector<Seed> seeds{{x, y}};
    while (!seeds.empty()) {
        const Seed seed = seeds.back();
        seeds.pop_back();
        if (!open(seed.x, seed.y))
            continue;
        int left = seed.x;
        while (left > 0 && open(left - 1, seed.y))
            --left;
        int right = seed.x;
        while (right + 1 < width && open(right + 1, seed.y))
            ++right;
        for (int px = left; px <= right; ++px) {
            pixel(px, seed.y) = fill;
            visited[size_t(seed.y) * size_t(width) + size_t(px)] = true;
        }
        painted += right - left + 1;
        // One seed per run of open pixels in the rows above and below the span.
        for (const int row : {seed.y - 1, seed.y + 1}) {
            if (row < 0 || row >= height)
                continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool isOpen = open(px, row);
                if (isOpen && !inRun)
                    seeds.push_back({px, row});
                inRun = isOpen;
            }
        }
    }
    return painted;
}
