#include "screens/play_screen.h"

#include "platform/sound_player.h"
#include "screens/gauge_box.h"
#include "screens/picture_button.h"
#include "screens/question_review.h"

#include <QKeySequence>
#include <QTimer>

PlayScreen::PlayScreen(const PlayScreenDefinition& definition, const SharedState& shared,
                       ErrorPath& errorPath, QWidget* parent)
    : ScreenWindow(errorPath, parent), m_shared(shared),
      m_controls(buildPlayScreen(this, definition, shared.appPath)),
      m_view(this, m_controls, shared) {
    connectControls();
}

PlayScreen::~PlayScreen() = default;

void PlayScreen::connectControls() {
    connect(m_controls.back, &QPushButton::clicked, this,
            [this] { guarded([this] { Q_EMIT menuRequested(); }); });
    for (int i = 0; i < 2; ++i) {
        PictureButton* button = m_controls.answers[static_cast<std::size_t>(i)];
        connect(button, &QPushButton::clicked, this,
                [this, i] { guarded([this, i] { answerPressed(i); }); });
        // O or the left arrow answers "ある", X or the right arrow "ない", like the buttons'
        // places on the screen.
        bindKey(QKeySequence(i == 0 ? Qt::Key_O : Qt::Key_X), button);
        bindKey(QKeySequence(i == 0 ? Qt::Key_Left : Qt::Key_Right), button);
    }
    connect(m_controls.anotherGame, &QPushButton::clicked, this,
            [this] { guarded([this] { anotherGamePressed(); }); });
    bindKey(QKeySequence(Qt::Key_R), m_controls.anotherGame);
    for (int i = 0; i < kPlayTimers; ++i) {
        QTimer* timer = m_controls.timers[static_cast<std::size_t>(i)];
        if (!timer)
            continue;
        const auto which = static_cast<PlayTimer>(i);
        connect(timer, &QTimer::timeout, this,
                [this, which] { guarded([this, which] { timerTicked(which); }); });
    }
    m_controls.gauge->setCellText([this](int cell) { return reviewOfCell(cell); });
}

QString PlayScreen::reviewOfCell(int cell) const {
    // Only a rated game is reviewed: during play and its ending the cells stay silent, so
    // nothing gives away an answer.
    if (m_controls.anotherGame->isHidden())
        return {};
    return question_review::describeCell(gameState(), m_shared, cell);
}

void PlayScreen::unload() {
    for (QTimer* timer : m_controls.timers)
        if (timer)
            timer->stop();
    m_controls.sound->stop();
}
