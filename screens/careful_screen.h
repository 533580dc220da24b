#pragma once

#include "careful/careful_flow.h"
#include "screens/play_screen.h"

/// The careful-mode screen `じっくり`: a game starts at load and every press is judged at once.
class CarefulScreen : public PlayScreen {
    Q_OBJECT
public:
    CarefulScreen(const SharedState& shared, GameState& state, RandomSource& random,
                  const Clock& clock, ErrorPath& errorPath, QWidget* parent = nullptr);

protected:
    void onLoad() override;
    void answerPressed(int index) override;
    void timerTicked(PlayTimer timer) override;
    void anotherGamePressed() override;

private:
    CarefulFlow m_flow;
};
