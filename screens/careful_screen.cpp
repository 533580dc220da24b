#include "screens/careful_screen.h"

namespace {

PlayScreenDefinition definition() {
    return {artwork::Words::CarefulMode, QStringLiteral("じっくりモード"), false};
}

} // namespace

CarefulScreen::CarefulScreen(const SharedState& shared, GameState& state, RandomSource& random,
                             const Clock& clock, ErrorPath& errorPath, QWidget* parent)
    : PlayScreen(definition(), shared, state, errorPath, parent),
      m_flow(PlayPorts{shared, state, view(), random, clock}) {
    setObjectName(QStringLiteral("じっくり"));
}

void CarefulScreen::onLoad() {
    m_flow.load();
}

void CarefulScreen::answerPressed(int index) {
    m_flow.pressAnswer(index);
}

void CarefulScreen::timerTicked(PlayTimer timer) {
    m_flow.tick(timer);
}

void CarefulScreen::anotherGamePressed() {
    m_flow.anotherGame();
}
