#pragma once

class QImage;
class QPainter;

/// Draws `image`, whose pixels are device pixels, with its top-left corner where the painter's
/// device puts the widget's (0, 0), rounded to a whole device pixel: one image pixel to one
/// device pixel, a straight copy however the window is scaled (never resampled, even at a ratio
/// such as 1.5 where the widget's corner falls between device pixels). For a painter that a
/// paint event has just begun, whose world transform is still the identity.
void drawDevicePixels(QPainter& painter, const QImage& image);
