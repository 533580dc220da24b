#pragma once

#include <QImage>
#include <QStringList>

namespace artwork {

/// What is wrong with a picture meant as the empty gauge, for the fills of the play screens: its
/// size, the white outline, the white separators at rows 30, 33, ..., 330 across x 1 to 79, and
/// cell rows that must not be white. One entry per faulty row or column, in Japanese; empty when
/// the gauge is right. At a `scale` of 2 (a gauge's 2x form) every size, row and column is
/// doubled.
QStringList gaugeFaults(const QImage& gauge, int scale = 1);

} // namespace artwork
