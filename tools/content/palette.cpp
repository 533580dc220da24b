#include "tools/content/palette.h"

#include <QHash>
#include <algorithm>
#include <climits>
#include <map>
#include <vector>

namespace content {

namespace {

struct Weighted {
    QRgb colour;
    qint64 count;
};

int channel(QRgb c, int axis) {
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// One box of the median cut: a range of the colour list.
struct Box {
    std::size_t begin;
    std::size_t end;
    int widestAxis = 0;
    int range = 0;
};

void measure(const std::vector<Weighted>& colours, Box& box) {
    int lo[3] = {255, 255, 255};
    int hi[3] = {0, 0, 0};
    for (std::size_t i = box.begin; i < box.end; ++i)
        for (int a = 0; a < 3; ++a) {
            lo[a] = std::min(lo[a], channel(colours[i].colour, a));
            hi[a] = std::max(hi[a], channel(colours[i].colour, a));
        }
    box.range = -1;
    for (int a = 0; a < 3; ++a)
        if (hi[a] - lo[a] > box.range) {
            box.range = hi[a] - lo[a];
            box.widestAxis = a;
        }
}

QRgb average(const std::vector<Weighted>& colours, const Box& box) {
    qint64 sum[3] = {0, 0, 0};
    qint64 total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int a = 0; a < 3; ++a)
            sum[a] += channel(colours[i].colour, a) * colours[i].count;
        total += colours[i].count;
    }
    return qRgb(int((sum[0] + total / 2) / total), int((sum[1] + total / 2) / total),
                int((sum[2] + total / 2) / total));
}

std::vector<QRgb> medianCut(std::vector<Weighted> colours, int maxColours) {
    std::vector<Box> boxes{Box{0, colours.size()}};
    measure(colours, boxes.front());
    while (static_cast<int>(boxes.size()) < maxColours) {
        // Split the box with the widest channel range; ties go to the earlier box.
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return a.range < b.range;
        });
        if (widest->range <= 0 || widest->end - widest->begin < 2)
            break;
        Box box = *widest;
        const int axis = box.widestAxis;
        auto first = colours.begin() + static_cast<std::ptrdiff_t>(box.begin);
        auto last = colours.begin() + static_cast<std::ptrdiff_t>(box.end);
        std::sort(first, last, [axis](const Weighted& a, const Weighted& b) {
            const int ca = channel(a.colour, axis);
            const int cb = channel(b.colour, axis);
            return ca != cb ? ca < cb : a.colour < b.colour;
        });
        qint64 total = 0;
        for (auto it = first; it != last; ++it)
            total += it->count;
        qint64 running = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            running += colours[i].count;
            split = i + 1;
            if (running * 2 >= total)
                break;
        }
        Box low{box.begin, split};
        Box high{split, box.end};
        measure(colours, low);
        measure(colours, high);
        *widest = low;
        boxes.push_back(high);
    }
    std::vector<QRgb> palette;
    for (const Box& box : boxes)
        palette.push_back(average(colours, box));
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return palette;
}

int nearest(const std::vector<QRgb>& palette, QRgb c) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return best;
}

} // namespace

QImage toGreyLevels(const QImage& picture, int levels) {
    levels = std::clamp(levels, 2, 256);
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    QImage out(grey.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < levels; ++i) {
        const int v = (i * 255 + (levels - 1) / 2) / (levels - 1);
        table.append(qRgb(v, v, v));
    }
    out.setColorTable(table);
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* src = grey.constScanLine(y);
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            dst[x] = static_cast<uchar>((src[x] * (levels - 1) + 127) / 255);
    }
    return out;
}

QImage toPalette(const QImage& picture, int maxColours) {
    maxColours = std::clamp(maxColours, 2, 256);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, qint64> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }
    std::vector<QRgb> palette;
    if (static_cast<int>(histogram.size()) <= maxColours) {
        for (const auto& entry : histogram)
            palette.push_back(entry.first);
    } else {
        std::vector<Weighted> colours;
        colours.reserve(histogram.size());
        for (const auto& entry : histogram)
            colours.push_back(Weighted{entry.first, entry.second});
        palette = medianCut(std::move(colours), maxColours);
    }
    QHash<QRgb, uchar> indexOf;
    for (const auto& entry : histogram)
        indexOf.insert(entry.first, static_cast<uchar>(nearest(palette, entry.first)));
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* dst = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            dst[x] = indexOf.value(line[x] | 0xff000000u);
    }
    return out;
}

} // namespace content
