#include "screens/speed_screen.h"

namespace {

PlayScreenDefinition definition() {
    return {artwork::Words::SpeedMode, QStringLiteral("スピードモード"), true};
}

} // namespace

SpeedScreen::SpeedScreen(const SharedState& shared, GameState& state, RandomSource& random,
                         const Clock& clock, ErrorPath& errorPath, QWidget* parent)
    : PlayScreen(definition(), shared, state, errorPath, parent),
      m_flow(PlayPorts{shared, state, view(), random, clock}) {
    setObjectName(QStringLiteral("スピード"));
}

void SpeedScreen::activate() {
    guarded([this] { m_flow.activate(); });
}

void SpeedScreen::onLoad() {
    m_flow.load();
}

void SpeedScreen::answerPressed(int index) {
    m_flow.pressAnswer(index);
}

void SpeedScreen::timerTicked(PlayTimer timer) {
    m_flow.tick(timer);
}

void SpeedScreen::anotherGamePressed() {
    m_flow.anotherGame();
}
