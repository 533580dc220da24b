#pragma once

#include "screens/navigator.h"
#include "screens/screen_window.h"
#include "shell/error_path.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_random.h"
#include "tests/support/test_content.h"

#include <QString>
#include <memory>

/// Everything the screen tests run the real screens on: content of the test's own (written
/// before start()), a fake clock at ten in the morning, scripted chance, a recording reporter
/// and the navigator that start() makes on them, which opens the menu. A test that builds one
/// screen by itself gives it the rig's error path. The screen tests link the UI library.
struct ScreenRig {
    /// The navigator on the rig's own content, or on the content at `appPath`, showing the menu.
    void start() { start(content.appPath()); }
    void start(const QString& appPath) {
        navigator = std::make_unique<Navigator>(appPath, clock, random, reporter);
        navigator->start();
    }

    /// The navigator's open screen.
    ScreenWindow* screen() const { return navigator->currentScreen(); }

    TestContent content;
    FakeClock clock{36000.0};
    ScriptedRandom random;
    RecordingReporter reporter;
    ErrorPath errorPath{reporter};
    /// Made last and so destroyed first: its screens use everything above.
    std::unique_ptr<Navigator> navigator;
};
