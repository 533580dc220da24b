#pragma once

#include "facts/content_catalogue.h"

#include <QImage>

// The rating and countdown pictures of the content, painted by code. All are opaque and drawn at
// the size the play screens show them (they scale any size, but these need no scaling), or with
// twice the pixels each way at a `scale` of 2 (their 2x forms).
namespace content {

enum class Medal { Gold, Silver, Copper };

inline constexpr int kRatingWidth = content_catalogue::kGoldMedal.size.width();
inline constexpr int kRatingHeight = content_catalogue::kGoldMedal.size.height();
inline constexpr int kCountdownWidth = content_catalogue::kCountdown[0].size.width();
inline constexpr int kCountdownHeight = content_catalogue::kCountdown[0].size.height();

/// A medal on its ribbon, marked "合格", on black: 184 x 225.
QImage medalPicture(Medal medal, int scale = 1);
/// A crow on a branch against a dusk sky, calling "カァ": 184 x 225.
QImage crowPicture(int scale = 1);
/// A countdown digit 1..3, orange on black: 138 x 88.
QImage countdownPicture(int digit, int scale = 1);

/// An opaque picture of `width` x `height` pixels at `scale` device pixels to the pixel, to be
/// painted in the coordinates of its 1x form.
QImage artCanvas(int width, int height, int scale);

} // namespace content
