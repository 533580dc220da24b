#pragma once

#include "screens/play_screen.h"
#include "speed/speed_flow.h"

/// The speed-mode screen `スピード`: a 3-2-1 countdown, then the answer clock judges every
/// question.
class SpeedScreen : public PlayScreen {
    Q_OBJECT
public:
    SpeedScreen(const SharedState& shared, GameState& state, RandomSource& random,
                const Clock& clock, ErrorPath& errorPath, QWidget* parent = nullptr);

    /// The screen's activate handler: the navigator delivers it once, right after show().
    void activate();

protected:
    void onLoad() override;
    void answerPressed(int index) override;
    void timerTicked(PlayTimer timer) override;
    void anotherGamePressed() override;

private:
    SpeedFlow m_flow;
};
