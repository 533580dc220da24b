#pragma once

#include "facts/twips.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <span>

class QWidget;

// Screens are laid out from definition tables in twips (facts/twips.h): this places a table's
// controls on a window.
namespace screen_geometry {

/// Places every control of `table` (found by objectName under `window`) at its rectangle and
/// stacks them so that a control higher in the table is in front of the ones below it.
void placeControls(QWidget* window, std::span<const twips::Control> table);

/// Chains the keyboard focus through the named controls in this order and gives the focus to
/// the first one.
void setTabOrder(QWidget* window, const QStringList& namesInTabOrder);

/// A screen's window: title, fixed client size (in twips), window colour, the common icon, a
/// fixed border without maximise or minimise box, centred on the screen.
void setUpWindow(QWidget* window, const QString& title, int clientWidthTwips, int clientHeightTwips,
                 const QColor& colour);

/// Name of an element of a control array, such as "Command1(3)".
QString arrayElementName(const char* arrayName, int index);

} // namespace screen_geometry
