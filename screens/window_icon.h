#pragma once

class QWidget;

namespace window_icon {

/// Gives `window` the program's icon. On X11 every size of the icon is converted and sent to the
/// server as the window is made, which took longer than the rest of the menu's making and came
/// before the window mapped. So a window starts with the small sizes that title bars and task
/// bars show, and gets the whole icon once it has been painted.
void set(QWidget* window);

} // namespace window_icon
