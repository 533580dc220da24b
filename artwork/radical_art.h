#pragma once

#include <QPainterPath>
#include <QString>

// How the menu's radical shapes are made (artwork::radicalShape draws them).
namespace artwork {

/// The kanji whose left part is radical 1 to 6's left-hand form: 計 仁 打 紅 村 江.
QString radicalSource(int radicalNo);

/// The closed contours of an outline, each a path of its own, curves kept.
QList<QPainterPath> outlineContours(const QPainterPath& path);

/// The contours of radicalSource(radicalNo) that make its left part, at 1000 pixels to the em;
/// the whole character when the face at hand does not divide (a fallback face).
QPainterPath radicalLeftPart(int radicalNo);

} // namespace artwork
