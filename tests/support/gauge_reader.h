#pragma once

#include <QImage>
#include <QString>

/// The whole gauge as the player sees it: `red` red cells from the top, `green` green cells
/// from the bottom, every other cell blue, the outline and every white line intact. Returns what
/// is wrong, or an empty text.
QString readGauge(const QImage& gauge, int& green, int& red);
