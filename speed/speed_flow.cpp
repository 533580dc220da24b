#include "speed/speed_flow.h"

#include "speed/countdown.h"

SpeedFlow::SpeedFlow(PlayPorts ports) : m_ports(ports), m_engine(ports) {}

void SpeedFlow::load() {
    m_engine.beginShowing();
    m_engine.showTitle();
}

void SpeedFlow::activate() {
    // At most one of the countdown and answer timers may run; only a stray call finds one.
    for (PlayTimer timer :
         {PlayTimer::EndOfGameWait, PlayTimer::FirstCountdownStep, PlayTimer::SecondCountdownStep,
          PlayTimer::LastCountdownStep, PlayTimer::AnswerClock})
        m_engine.stopTimer(timer);
    m_engine.startGame();
    m_ports.view.setShown(PlayControl::CountdownPicture, true);
    showCountdownStep(0);
    m_engine.startTimedWait(kCountdownSteps[0].timer);
}

void SpeedFlow::pressAnswer(int index) {
    // Only recorded: the answer clock judges it, and a later press replaces it.
    m_engine.takeAnswer(index);
}

void SpeedFlow::tick(PlayTimer timer) {
    if (m_engine.tickGameEndTimer(timer))
        return;
    if (timer == PlayTimer::AnswerClock) {
        if (m_engine.isRunning(timer) && m_engine.waitPassed(kAnswerTime))
            judgeOnTime();
        return;
    }
    for (std::size_t step = 0; step < kCountdownSteps.size(); ++step)
        if (kCountdownSteps[step].timer == timer)
            countdownTick(step);
}

void SpeedFlow::showCountdownStep(std::size_t step) {
    const CountdownStep& shown = kCountdownSteps[step];
    m_ports.view.loadCountdownPicture(shown.number, m_engine.picturePath(shown.picture));
    m_ports.view.playSound(m_engine.soundPath(shown.sound));
}

void SpeedFlow::countdownTick(std::size_t step) {
    const PlayTimer timer = kCountdownSteps[step].timer;
    if (!m_engine.isRunning(timer) || !m_engine.waitPassed(kCountdownStep, /*strictly=*/true))
        return;
    m_engine.stopTimer(timer);
    if (step + 1 == kCountdownSteps.size()) {
        startPlay();
        return;
    }
    showCountdownStep(step + 1);
    m_engine.startTimedWait(kCountdownSteps[step + 1].timer);
}

void SpeedFlow::startPlay() {
    m_ports.view.setShown(PlayControl::CountdownPicture, false);
    m_engine.showRadicalPicture();
    // The first question appears silently; a press made during the countdown answers it.
    m_engine.drawQuestion();
    m_engine.startTimedWait(PlayTimer::AnswerClock);
}

void SpeedFlow::judgeOnTime() {
    // The next question's answer time starts before anything else is done.
    m_engine.restartWait();
    m_engine.judgePending();
    if (!m_engine.lastQuestionJudged()) {
        m_engine.drawQuestion();
        return;
    }
    // The answer clock judges no more once the game is over.
    m_engine.stopTimer(PlayTimer::AnswerClock);
    m_engine.endGame();
}

void SpeedFlow::anotherGame() {
    m_engine.prepareAnotherGame();
    // The title stays the one set at the screen's load.
    activate();
}
