#pragma once

#include "screens/screen_window.h"

class QListWidget;

/// The how-to-play screen `遊び方`: the lines of the how-to-play text in a list, and a button back
/// to the menu.
class HowToPlayScreen : public ScreenWindow {
    Q_OBJECT
public:
    HowToPlayScreen(const QString& appPath, ErrorPath& errorPath, QWidget* parent = nullptr);

Q_SIGNALS:
    /// Command1: back to the menu.
    void menuRequested();

protected:
    /// Fills List1 from the how-to-play file.
    void onLoad() override;

private:
    QString m_appPath;
    QListWidget* m_list = nullptr; // List1
};
