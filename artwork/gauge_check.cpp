#include "artwork/gauge_check.h"

#include "artwork/gauge_art.h"
#include "artwork/gauge_layout.h"

#include <QPoint>
#include <QSize>

namespace artwork {

namespace {

bool isWhite(QRgb pixel) {
    return (pixel & 0xffffff) == 0xffffff;
}

// Reports a line of pixels that should all be white (or all not white).
void checkRun(const QImage& image, QStringList& faults, const QString& what, QPoint from,
              QPoint step, int length, bool wantWhite) {
    int wrong = 0;
    QPoint first;
    for (int i = 0; i < length; ++i) {
        const QPoint at = from + step * i;
        if (isWhite(image.pixel(at)) != wantWhite && wrong++ == 0)
            first = at;
    }
    if (wrong > 0)
        faults.append(QStringLiteral("%1: %2 個の画素が%3（最初は x %4, y %5）。")
                          .arg(what)
                          .arg(wrong)
                          .arg(wantWhite ? QStringLiteral("白ではありません")
                                         : QStringLiteral("白になっています"))
                          .arg(first.x())
                          .arg(first.y()));
}

} // namespace

QStringList gaugeFaults(const QImage& picture, int scale) {
    const GaugeLayout layout = gaugeLayoutAtScale(scale);
    if (picture.size() != QSize(layout.width, layout.height))
        return {QStringLiteral("ゲージの大きさが %1 × %2 です（%3 × %4 でなければなりません）。")
                    .arg(picture.width())
                    .arg(picture.height())
                    .arg(layout.width)
                    .arg(layout.height)};
    const QImage gauge = picture.convertToFormat(QImage::Format_RGB32);
    const int right = layout.width - 1;
    const int bottom = layout.height - 1;
    const int inner = layout.innerWidth();
    QStringList faults;
    const QPoint across(1, 0);
    const QPoint down(0, 1);
    for (int i = 0; i < layout.line; ++i) {
        checkRun(gauge, faults, QStringLiteral("外枠の上端（y %1）").arg(i), {0, i}, across,
                 right + 1, true);
        checkRun(gauge, faults, QStringLiteral("外枠の下端（y %1）").arg(bottom - i),
                 {0, bottom - i}, across, right + 1, true);
        checkRun(gauge, faults, QStringLiteral("外枠の左端（x %1）").arg(i), {i, 0}, down,
                 bottom + 1, true);
        checkRun(gauge, faults, QStringLiteral("外枠の右端（x %1）").arg(right - i), {right - i, 0},
                 down, bottom + 1, true);
    }
    for (int k = 1; k <= gauge::kCells + 1; ++k)
        for (int dy = 0; dy < layout.line; ++dy) {
            const int row = layout.lineTop(k) + dy;
            checkRun(gauge, faults, QStringLiteral("区切り線（y %1）").arg(row),
                     {layout.innerLeft(), row}, across, inner, true);
        }
    for (int k = 1; k <= gauge::kCells; ++k)
        for (int dy = 0; dy < layout.cell; ++dy) {
            const int row = layout.cellTop(k) + dy;
            checkRun(gauge, faults, QStringLiteral("%1 番目のマス（y %2）").arg(k).arg(row),
                     {layout.innerLeft(), row}, across, inner, false);
        }
    return faults;
}

} // namespace artwork
