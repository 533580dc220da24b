#include "screens/play_screen.h"

#include "platform/sound_player.h"
#include "screens/announcer.h"
#include "screens/game_review_window.h"
#include "screens/gauge_box.h"
#include "screens/image_control.h"
#include "screens/picture_button.h"
#include "screens/question_review.h"

#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>

PlayScreen::PlayScreen(const PlayScreenDefinition& definition, const SharedState& shared,
                       const GameState& state, ErrorPath& errorPath, QWidget* parent)
    : ScreenWindow(errorPath, parent), m_shared(shared), m_state(state),
      m_controls(buildPlayScreen(this, definition, shared.appPath)),
      m_view(this, m_controls, shared), m_announcer(new Announcer(this)) {
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

    // The review of a rated game: V, or a click on the medal or the crow.
    auto* review = new QShortcut(QKeySequence(Qt::Key_V), this);
    review->setContext(Qt::WindowShortcut);
    review->setAutoRepeat(false);
    connect(review, &QShortcut::activated, this, [this] { guarded([this] { openReview(); }); });
    m_controls.image(5)->installEventFilter(this);
}

QString PlayScreen::reviewOfCell(int cell) const {
    // Only a rated game is reviewed: during play and its ending the cells stay silent, so
    // nothing gives away an answer.
    if (!m_state.rated)
        return {};
    return question_review::describeCell(m_state, m_shared, cell);
}

bool PlayScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_controls.image(5) && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        guarded([this] { openReview(); });
        return true;
    }
    return ScreenWindow::eventFilter(watched, event);
}

void PlayScreen::openReview() {
    if (!m_state.rated || m_review)
        return;
    m_focusBeforeReview = focusWidget();
    m_review = new GameReviewWindow(m_state, m_shared, this);
    connect(m_review, &GameReviewWindow::closed, this, [this] {
        m_review->deleteLater();
        // Back to the rated screen as it was, the focus where it was.
        activateWindow();
        if (m_focusBeforeReview)
            m_focusBeforeReview->setFocus(Qt::OtherFocusReason);
    });
    m_review->show();
    m_review->activateWindow();
}

void PlayScreen::closeReview() {
    if (!m_review)
        return;
    // The screen goes: nothing is to be given back to it.
    m_review->disconnect(this);
    m_review->close();
}

void PlayScreen::handled() {
    // The answer that waits for the answer clock's judgement (the speed screen's only; the
    // careful screen judges a press at once).
    for (int i = 0; i < 2; ++i)
        m_controls.answers[static_cast<std::size_t>(i)]->setHeld(m_state.pendingAnswer ==
                                                                 answerOfButton(i));
    const QString told = news();
    if (!told.isEmpty())
        m_announcer->announce(told);
}

QString PlayScreen::news() {
    QStringList news;
    const int judged = m_state.correctCount + m_state.wrongCount;
    if (judged != m_judgedTold) {
        if (m_judgedTold >= 0 && judged == m_judgedTold + 1)
            news << (m_state.records[static_cast<std::size_t>(judged - 1)].right
                         ? QStringLiteral("正解")
                         : QStringLiteral("不正解"));
        m_judgedTold = judged;
    }
    ImageControl* question = m_controls.image(3);
    if (!question->isHidden() && m_state.questionCount != m_questionTold) {
        // What the picture shows, never the kanji: that would give the answer away.
        const QString shows = question_review::pictureText(m_state.currentCharacter, m_shared);
        question->setAccessibleName(shows);
        news << QStringLiteral("第 %1 問　%2").arg(m_state.questionCount).arg(shows);
        m_questionTold = m_state.questionCount;
    }
    if (m_state.rated != m_ratedTold) {
        m_ratedTold = m_state.rated;
        if (m_ratedTold)
            news << m_controls.image(5)->accessibleName()
                 << QStringLiteral("正解率 %1 %").arg(m_state.score)
                 << QStringLiteral("V キーで全問を振り返れます");
    }
    return news.join(QStringLiteral("。"));
}

void PlayScreen::unload() {
    closeReview();
    for (QTimer* timer : m_controls.timers)
        if (timer)
            timer->stop();
    m_controls.sound->stop();
}
