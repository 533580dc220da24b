#pragma once

#include <QString>

/// Loads the picture file at `path` as the game does and returns the first broken rule, or an
/// empty string. The rules: the result is a picture with a size, or a ContentError naming the
/// file; a decoded picture up to the gauge's size takes the gauge's fills at the game's seed
/// points, each painting no more than the picture holds. Needs a QGuiApplication.
QString checkPicture(const QString& path);
