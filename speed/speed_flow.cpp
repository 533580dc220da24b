#include "speed/speed_flow.h"

#include "shell/content_paths.h"

namespace files = content_catalogue;

SpeedFlow::SpeedFlow(PlayPorts ports) : m_ports(ports), m_engine(ports) {}

void SpeedFlow::load() {
    m_engine.showTitle();
}

void SpeedFlow::activate() {
    // At most one of the countdown and answer timers may run; only a stray call finds one.
    for (PlayTimer timer :
         {PlayTimer::EndOfGameWait, PlayTimer::FirstCountdownStep, PlayTimer::SecondCountdownStep,
          PlayTimer::LastCountdownStep, PlayTimer::AnswerClock})
        m_engine.stopTimer(timer);
    m_engine.startGame();
    PlayView& view = m_ports.view;
    view.setShown(PlayControl::CountdownPicture, true);
    showCountdownStep(0);
    m_engine.startTimedWait(PlayTimer::FirstCountdownStep);
}

void SpeedFlow::pressAnswer(int index) {
    // Only recorded: the answer clock judges it, and a later press replaces it.
    m_engine.takeAnswer(index);
}

void SpeedFlow::tick(PlayTimer timer) {
    if (m_engine.tickGameEndTimer(timer))
        return;
    switch (timer) {
    case PlayTimer::FirstCountdownStep:
        countdownStep(timer, PlayTimer::SecondCountdownStep);
        break;
    case PlayTimer::SecondCountdownStep:
        countdownStep(timer, PlayTimer::LastCountdownStep);
        break;
    case PlayTimer::LastCountdownStep:
        if (m_engine.isRunning(timer) &&
            m_engine.waitPassed(RoundEngine::kCountdownStep, /*strictly=*/true))
            startPlay();
        break;
    case PlayTimer::AnswerClock:
        if (m_engine.isRunning(timer) && m_engine.waitPassed(RoundEngine::kAnswerTime))
            judgeOnTime();
        break;
    default:
        break;
    }
}

void SpeedFlow::showCountdownStep(int step) {
    // Step 0 shows "3" with a double beep, step 1 "2" likewise, the last "1" with a triple beep.
    const int steps = static_cast<int>(files::kCountdown.size());
    m_ports.view.loadCountdownPicture(
        steps - step, content_paths::picture(m_ports.shared.appPath,
                                             files::kCountdown[std::size_t(step)].fileName));
    m_ports.view.playSound(content_paths::sound(
        m_ports.shared.appPath, step + 1 < steps ? files::kBeepSound : files::kLastBeepSound));
}

void SpeedFlow::countdownStep(PlayTimer current, PlayTimer next) {
    if (!m_engine.isRunning(current) ||
        !m_engine.waitPassed(RoundEngine::kCountdownStep, /*strictly=*/true))
        return;
    m_engine.stopTimer(current);
    showCountdownStep(static_cast<int>(next) - static_cast<int>(PlayTimer::FirstCountdownStep));
    m_engine.startTimedWait(next);
}

void SpeedFlow::startPlay() {
    m_engine.stopTimer(PlayTimer::LastCountdownStep);
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
    m_engine.nextQuestionOrEnd();
}

void SpeedFlow::anotherGame() {
    m_engine.prepareAnotherGame();
    // The title stays the one set at the screen's load.
    activate();
}
