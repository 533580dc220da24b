#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <span>

class QWidget;

// Screens are laid out from definition tables in twips, the unit their layouts are drawn in,
// converted at 15 twips a pixel (96 dots per inch).
namespace screen_geometry {

inline constexpr int kTwipsPerPixel = 15;

/// One control of a screen: its name (the objectName of its widget) and its place in twips,
/// relative to the client area of its window or of its container.
struct ControlGeometry {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};

/// Twips to whole pixels, to the nearest pixel.
constexpr int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

/// The control's rectangle in pixels.
QRect pixelRect(const ControlGeometry& control);

/// Places every control of `table` (found by objectName under `window`) at its rectangle and
/// stacks them so that a control higher in the table is in front of the ones below it.
void placeControls(QWidget* window, std::span<const ControlGeometry> table);

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
