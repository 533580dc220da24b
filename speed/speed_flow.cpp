#include "speed/speed_flow.h"

#include "shell/content_paths.h"

namespace files = content_catalogue;

SpeedFlow::SpeedFlow(PlayPorts ports) : m_ports(ports), m_engine(ports) {}

void SpeedFlow::load() {
    m_engine.showTitle();
}

void SpeedFlow::activate() {
    // At most one of the countdown and answer timers may run; only a stray call finds one.
    for (PlayTimer timer : {PlayTimer::Timer2, PlayTimer::Timer3, PlayTimer::Timer4,
                            PlayTimer::Timer5, PlayTimer::Timer6})
        m_engine.stopTimer(timer);
    m_engine.startGame();
    PlayView& view = m_ports.view;
    view.setShown(PlayControl::Image6, true);
    view.loadPicture(PlayControl::Image6,
                     content_paths::picture(m_ports.shared.appPath, files::kCountdown[0].fileName));
    view.playSound(content_paths::sound(m_ports.shared.appPath, files::kBeepSound));
    m_engine.startTimedWait(PlayTimer::Timer3);
}

void SpeedFlow::pressAnswer(int index) {
    if (m_ports.state.gameOver != 0 || index < 0 || index > 1)
        return;
    // Only recorded: the answer clock judges it, and a later press replaces it.
    m_ports.state.pendingAnswer = static_cast<std::int16_t>(index + 1);
}

void SpeedFlow::tick(PlayTimer timer) {
    switch (timer) {
    case PlayTimer::Timer1:
        m_engine.tickFailSound();
        break;
    case PlayTimer::Timer2:
        m_engine.tickEndWait();
        break;
    case PlayTimer::Timer3:
        countdownStep(PlayTimer::Timer3, files::kCountdown[1], files::kBeepSound,
                      PlayTimer::Timer4);
        break;
    case PlayTimer::Timer4:
        countdownStep(PlayTimer::Timer4, files::kCountdown[2], files::kLastBeepSound,
                      PlayTimer::Timer5);
        break;
    case PlayTimer::Timer5:
        if (m_engine.isRunning(timer) &&
            m_engine.waitPassed(RoundEngine::kCountdownStep, /*strictly=*/true))
            startPlay();
        break;
    case PlayTimer::Timer6:
        if (m_engine.isRunning(timer) && m_engine.waitPassed(RoundEngine::kAnswerTime))
            judgeOnTime();
        break;
    }
}

void SpeedFlow::countdownStep(PlayTimer current, const content_catalogue::Picture& picture,
                              QStringView beep, PlayTimer next) {
    if (!m_engine.isRunning(current) ||
        !m_engine.waitPassed(RoundEngine::kCountdownStep, /*strictly=*/true))
        return;
    m_engine.stopTimer(current);
    PlayView& view = m_ports.view;
    view.loadPicture(PlayControl::Image6,
                     content_paths::picture(m_ports.shared.appPath, picture.fileName));
    view.playSound(content_paths::sound(m_ports.shared.appPath, beep));
    m_engine.startTimedWait(next);
}

void SpeedFlow::startPlay() {
    m_engine.stopTimer(PlayTimer::Timer5);
    m_ports.view.setShown(PlayControl::Image6, false);
    m_engine.showRadicalPicture();
    // The first question appears silently; a press made during the countdown answers it.
    m_engine.drawQuestion();
    m_engine.startTimedWait(PlayTimer::Timer6);
}

void SpeedFlow::judgeOnTime() {
    // The next question's answer time starts before anything else is done.
    m_engine.restartWait();
    m_engine.judgePending();
    if (m_engine.lastQuestionJudged()) {
        m_ports.state.gameOver = 1;
        m_engine.stopTimer(PlayTimer::Timer6);
        m_engine.startTimedWait(PlayTimer::Timer2);
    } else {
        m_engine.drawQuestion();
    }
}

void SpeedFlow::anotherGame() {
    m_engine.prepareAnotherGame();
    // The title stays the one set at the screen's load.
    activate();
}
