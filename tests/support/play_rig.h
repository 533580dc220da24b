#pragma once

#include "round/play_ports.h"
#include "shell/content_paths.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_view.h"
#include "tests/support/scripted_random.h"

#include <QString>

/// Everything a play-screen flow runs on, wired together for a test: shared state with word
/// lists, the screen's game state, a recording view, scripted chance and a fake clock.
struct PlayRig {
    PlayRig() {
        shared.appPath = QStringLiteral("/game");
        shared.radicalNo = 3;
        setLists(1, 40, 101, 40);
        clock.set(36000.0);
    }

    /// O list = oCount consecutive character numbers from oFirst, X list likewise.
    void setLists(int oFirst, int oCount, int xFirst, int xCount) {
        shared.oCount = static_cast<std::int16_t>(oCount);
        for (int i = 1; i <= oCount; ++i)
            shared.oList[i] = static_cast<std::int16_t>(oFirst + i - 1);
        shared.xCount = static_cast<std::int16_t>(xCount);
        for (int i = 1; i <= xCount; ++i)
            shared.xList[i] = static_cast<std::int16_t>(xFirst + i - 1);
    }

    /// Random values that make the next draw attempt take list index `index` of O or X.
    void scriptDraw(bool fromO, int index) {
        const int count = fromO ? shared.oCount : shared.xCount;
        random.append({fromO ? 0.25 : 0.75, (index - 0.5) / count});
    }

    /// The view is a new screen (after an unload), with nothing recorded.
    void rebuildView() { view = RecordingView(); }

    PlayPorts ports() { return PlayPorts{shared, state, view, random, clock}; }

    QString picture(QStringView name) const { return content_paths::picture(shared.appPath, name); }
    QString sound(QStringView name) const { return content_paths::sound(shared.appPath, name); }
    QString characterPicture(int characterNo) const {
        return content_paths::characterPicture(shared.appPath, characterNo);
    }

    SharedState shared;
    GameState state;
    RecordingView view;
    ScriptedRandom random;
    FakeClock clock;
};
