#include "fuzz/checks/picture_check.h"

#include "facts/gauge_geometry.h"
#include "fuzz/checks/check_rule.h"
#include "platform/gauge_fill.h"
#include "platform/picture_loader.h"
#include "shell/content_error.h"

namespace {

// Only pictures up to the gauge's size (81 x 361) take the fills: a fill may visit the whole
// picture, and larger ones would slow every fuzzing run down to a crawl.
constexpr qint64 kMaxFilledPixels = gauge::kWidth * gauge::kHeight;

// Fills at the seed points of a game's first and last cell from the bottom in green and from the
// top in red, as the game paints the gauge.
QString checkGaugeFills(QImage picture) {
    const QSize size = picture.size();
    if (qint64(size.width()) * size.height() > kMaxFilledPixels)
        return {};
    for (const int cell : {1, gauge::kCells}) {
        for (const auto& [y, colour] : {std::pair{gauge::rightSeedY(cell), qRgb(0, 255, 0)},
                                        std::pair{gauge::wrongSeedY(cell), qRgb(255, 0, 0)}}) {
            const int painted = floodFill(picture, gauge::kSeedX, y, colour);
            KQ_EXPECT(painted >= 0);
            KQ_EXPECT(qint64(painted) <= qint64(size.width()) * size.height());
        }
    }
    KQ_EXPECT(picture.size() == size);
    return {};
}

} // namespace

QString checkPicture(const QString& path) {
    QImage picture;
    try {
        picture = loadPictureFile(path);
    } catch (const ContentError& error) {
        KQ_EXPECT(error.file() == path);
        KQ_EXPECT(!error.fault().isEmpty());
        return {};
    }
    KQ_EXPECT(!picture.isNull());
    KQ_EXPECT(picture.width() > 0 && picture.height() > 0);
    return checkGaugeFills(picture);
}
