#pragma once

/// Sets up the application for the game's screens, once, right after the QApplication is made.
/// A navigation hides one window before it shows the next, so the program ends only by a close
/// box or the menu's end button, never because its last window closed; and a Japanese mincho
/// stands for the face the screens are lettered in (font_faces::kScreenFace) where the system has
/// no such face.
/// The game, the game driver of the reliability tests and the benchmarks all start this way.
void setUpApplication();
