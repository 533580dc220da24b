#pragma once

#include "screens/screen_window.h"
#include "shell/shared_state.h"

class QGroupBox;

/// The menu `メニュー`: six radical buttons that load a radical's word lists and show the mode
/// frame, the two mode buttons in that frame, how-to-play and end.
class MenuScreen : public ScreenWindow {
    Q_OBJECT
public:
    MenuScreen(SharedState& shared, ErrorPath& errorPath, QWidget* parent = nullptr);

Q_SIGNALS:
    /// Command4(index): 0 asks for the speed screen, 1 for the careful screen.
    void modeChosen(int index);
    /// Command2: the how-to-play screen.
    void howToPlayChosen();
    /// Command3: end the program at once.
    void endChosen();

private:
    void buildControls();
    void radicalPressed(int index);
    void showUnplayable(const QString& why);

    SharedState& m_shared;
    QGroupBox* m_modeFrame = nullptr; // Frame1
};
