#include "careful/careful_flow.h"

CarefulFlow::CarefulFlow(PlayPorts ports) : m_ports(ports), m_engine(ports) {}

void CarefulFlow::load() {
    // Only a stray call could find the end-of-game wait running; a new game must not be rated.
    m_engine.stopTimer(PlayTimer::Timer2);
    m_engine.startGame();
    m_engine.showTitle();
    m_engine.showRadicalPicture();
    m_engine.drawQuestion();
}

void CarefulFlow::pressAnswer(int index) {
    if (m_ports.state.gameOver != 0 || index < 0 || index > 1)
        return;
    m_ports.state.pendingAnswer = static_cast<std::int16_t>(index + 1);
    m_engine.judgePending();
    if (m_engine.lastQuestionJudged())
        m_engine.endGame();
    else
        m_engine.drawQuestion();
}

void CarefulFlow::tick(PlayTimer timer) {
    switch (timer) {
    case PlayTimer::Timer1:
        m_engine.tickFailSound();
        break;
    case PlayTimer::Timer2:
        m_engine.tickEndWait();
        break;
    default:
        break; // the careful screen has no other timers
    }
}

void CarefulFlow::anotherGame() {
    m_engine.prepareAnotherGame();
    load();
}
