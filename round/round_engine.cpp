#include "round/round_engine.h"

#include "facts/content_catalogue.h"
#include "facts/radicals.h"
#include "round/gauge_cells.h"
#include "round/playable_lists.h"
#include "shell/content_error.h"
#include "shell/content_paths.h"
#include "shell/word_list.h"

#include <cmath>

namespace files = content_catalogue;

namespace {

// Rejected draws after which the engine makes sure a draw can succeed at all, so that lists
// that slipped past the menu's check end with a message instead of a hang.
constexpr long kAttemptsBeforeCheck = 10000;

const files::Picture& ratingPicture(Rating rating) {
    switch (rating) {
    case Rating::Gold:
        return files::kGoldMedal;
    case Rating::Silver:
        return files::kSilverMedal;
    case Rating::Copper:
        return files::kCopperMedal;
    case Rating::Crow:
        break;
    }
    return files::kCrow;
}

} // namespace

RoundEngine::RoundEngine(PlayPorts ports) : m_ports(ports) {}

void RoundEngine::startGame() {
    GameState& s = state();
    s.questionCount = 0;
    s.correctCount = 0;
    s.wrongCount = 0;
    s.gameOver = false;
    s.records.fill(QuestionRecord{});
    // Flag 0 is left alone: a character 0 still in the window clears it as it leaves.
    for (int c = 1; c <= kMaxCharacterNo; ++c)
        s.recentlyUsed[c] = 0;
}

void RoundEngine::beginShowing() {
    state().rated = false;
}

void RoundEngine::showTitle() {
    const QString name = radicalName(m_ports.shared.radicalNo);
    if (!name.isEmpty())
        view().setText(PlayText::Title, name);
}

void RoundEngine::showRadicalPicture() {
    view().loadRadicalPicture(
        content_paths::radicalPicture(m_ports.shared.appPath, m_ports.shared.radicalNo));
    view().setShown(PlayControl::RadicalPicture, true);
}

void RoundEngine::drawQuestion() {
    GameState& s = state();
    const SharedState& shared = m_ports.shared;
    for (long attempt = 1;; ++attempt) {
        // Kind choice, with an equal chance for either list whatever their sizes; no re-seed.
        s.currentKind = m_ports.random.next() < 0.5 ? Answer::O : Answer::X;
        const bool fromO = s.currentKind == Answer::O;
        const int count = fromO ? shared.oCount : shared.xCount;
        const WordListArray& list = fromO ? shared.oList : shared.xList;

        // List draw: re-seeded before every draw, then an index 1..count with equal chance.
        m_ports.random.reseedFromClock();
        int index = static_cast<int>(std::floor(m_ports.random.next() * count)) + 1;
        if (count >= 1 && index > count)
            index = count; // a value just below 1 can round up to the count
        // Lists that slipped past the loader's and the menu's checks end with their messages,
        // never with a read outside the list. List index i is item i + 1 of its file.
        QString fault = countFault(count);
        if (fault.isEmpty() && count < 1)
            fault = whyUnplayable(shared);
        if (fault.isEmpty()) {
            s.currentCharacter = list[static_cast<std::size_t>(index)];
            fault = characterFault(index + 1, s.currentCharacter);
        }
        if (!fault.isEmpty())
            throw ContentError(fromO ? content_paths::oListFile(shared.appPath, shared.radicalNo)
                                     : content_paths::xListFile(shared.appPath, shared.radicalNo),
                               fault);

        // Repeat test: a character in the no-repeat window sends the draw back to the kind choice.
        if (s.recentlyUsed[s.currentCharacter] == 0)
            break;
        if (attempt % kAttemptsBeforeCheck == 0)
            failOnUnplayableLists();
    }

    // Window update, in this order: the oldest place's flag is cleared before the new one is
    // set, so a character drawn again while its old entry leaves loses its flag.
    if (s.window[1] != kEmptyPlace)
        s.recentlyUsed[s.window[1]] = 0;
    s.recentlyUsed[s.currentCharacter] = 1;
    for (int k = 1; k < kWindowSize; ++k)
        s.window[k] = s.window[k + 1];
    s.window[kWindowSize] = s.currentCharacter;

    ++s.questionCount;
    view().setText(PlayText::QuestionNumber, QString::number(s.questionCount));
    view().loadCharacterPicture(
        content_paths::characterPicture(shared.appPath, s.currentCharacter));
    view().setShown(PlayControl::CharacterPicture, true);
}

void RoundEngine::failOnUnplayableLists() const {
    const SharedState& shared = m_ports.shared;
    const auto hasFreeCharacter = [this](const WordListArray& list, int count) {
        for (int i = 1; i <= count && i <= kMaxCharacterNo; ++i) {
            const int characterNo = list[static_cast<std::size_t>(i)];
            if (characterNo >= 0 && characterNo <= kMaxCharacterNo &&
                state().recentlyUsed[static_cast<std::size_t>(characterNo)] == 0)
                return true;
        }
        return false;
    };
    if (hasFreeCharacter(shared.oList, shared.oCount) ||
        hasFreeCharacter(shared.xList, shared.xCount))
        return;
    // Nothing can be drawn: lists that cannot make a game say why, as the menu does; lists that
    // can always hold a character outside the window, so the last words are a safeguard only.
    QString why = whyUnplayable(shared);
    if (why.isEmpty())
        why = QStringLiteral("直前の %1 問に出ていない文字が一覧にないため、次の問題を出せません。")
                  .arg(kWindowSize);
    throw ContentError(content_paths::oListFile(shared.appPath, shared.radicalNo), why);
}

bool RoundEngine::takeAnswer(int buttonIndex) {
    const Answer answer = answerOfButton(buttonIndex);
    if (state().gameOver || answer == Answer::None)
        return false;
    state().pendingAnswer = answer;
    return true;
}

void RoundEngine::judgePending() {
    GameState& s = state();
    const bool right = s.pendingAnswer == s.currentKind;
    if (s.questionCount >= 1 && s.questionCount <= kQuestionsPerGame) {
        s.records[s.questionCount - 1] = QuestionRecord{s.questionCount, s.currentCharacter,
                                                        s.currentKind, s.pendingAnswer, right};
    }
    applyEffect(right);
    s.pendingAnswer = Answer::None;
    s.score = scoreOf(s.correctCount, s.questionCount);
    view().setText(PlayText::Score, QString::number(s.score));
}

void RoundEngine::nextQuestionOrEnd() {
    if (lastQuestionJudged())
        endGame();
    else
        drawQuestion();
}

void RoundEngine::applyEffect(bool right) {
    GameState& s = state();
    if (right) {
        ++s.correctCount;
        view().playSound(soundPath(files::kRightSound));
        view().fillGauge(gauge::kSeedX, gauge::rightSeedY(s.correctCount), GaugeFill::Right);
    } else {
        ++s.wrongCount;
        view().playSound(soundPath(files::kWrongSound));
        view().fillGauge(gauge::kSeedX, gauge::wrongSeedY(s.wrongCount), GaugeFill::Wrong);
    }
}

std::int16_t RoundEngine::scoreOf(int correct, int questions) {
    if (questions <= 0)
        return 0;
    // Exact integer arithmetic: 29 of 50 is 58, where a floating-point quotient gives 57.
    return static_cast<std::int16_t>(100 * correct / questions);
}

bool RoundEngine::lastQuestionJudged() const {
    return state().questionCount >= kQuestionsPerGame;
}

void RoundEngine::endGame() {
    state().gameOver = true;
    startTimedWait(PlayTimer::EndOfGameWait);
}

bool RoundEngine::tickGameEndTimer(PlayTimer timer) {
    switch (timer) {
    case PlayTimer::FailSoundWait:
        tickFailSound();
        return true;
    case PlayTimer::EndOfGameWait:
        tickEndWait();
        return true;
    default:
        return false;
    }
}

void RoundEngine::tickEndWait() {
    if (!isRunning(PlayTimer::EndOfGameWait) || !waitPassed(kEndWait))
        return;
    stopTimer(PlayTimer::EndOfGameWait);
    rate();
}

Rating RoundEngine::ratingOf(int score) {
    return score >= kGoldFrom     ? Rating::Gold
           : score >= kSilverFrom ? Rating::Silver
           : score >= kCopperFrom ? Rating::Copper
                                  : Rating::Crow;
}

void RoundEngine::rate() {
    const Rating rating = ratingOf(state().score);
    view().setShown(PlayControl::RadicalPicture, false);
    view().setShown(PlayControl::CharacterPicture, false);
    view().loadRatingPicture(rating, picturePath(ratingPicture(rating)));
    view().setShown(PlayControl::RatingPicture, true);
    if (rating == Rating::Crow) {
        view().playSound(soundPath(files::kCrowSound));
        startTimedWait(PlayTimer::FailSoundWait);
    } else {
        view().playSound(soundPath(files::kPassSound));
    }
    view().setShown(PlayControl::ModeBanner, false);
    view().setShown(PlayControl::AnotherGameButton, true);
    state().rated = true;
}

void RoundEngine::tickFailSound() {
    if (!isRunning(PlayTimer::FailSoundWait) || !waitPassed(kEndWait))
        return;
    stopTimer(PlayTimer::FailSoundWait);
    view().playSound(soundPath(files::kFailSound));
}

void RoundEngine::prepareAnotherGame() {
    // A fail sound from the last game's crow must not sound in the new game.
    stopTimer(PlayTimer::FailSoundWait);
    state().rated = false;
    view().setShown(PlayControl::AnotherGameButton, false);
    view().setShown(PlayControl::RatingPicture, false);
    view().setShown(PlayControl::ModeBanner, true);
    view().setText(PlayText::Score, QString());
    view().setText(PlayText::QuestionNumber, QString());
    view().loadGauge(picturePath(files::kGauge));
}

void RoundEngine::startTimedWait(PlayTimer timer) {
    view().setTimerRunning(timer, true);
    m_running[static_cast<int>(timer)] = true;
    restartWait();
}

void RoundEngine::restartWait() {
    const double timeOfDay = m_ports.clock.secondsSinceMidnight();
    state().waitStart = waitStartFrom(timeOfDay);
    // The rounding of the start moves it by up to half a second; the origin moves with it, so
    // the waits keep their windows (0.5 s to 1.5 s for a one-second wait).
    state().waitOrigin = m_ports.clock.monotonicSeconds() - (timeOfDay - state().waitStart);
}

void RoundEngine::stopTimer(PlayTimer timer) {
    if (!isRunning(timer))
        return;
    m_running[static_cast<int>(timer)] = false;
    view().setTimerRunning(timer, false);
}

bool RoundEngine::isRunning(PlayTimer timer) const {
    return m_running[static_cast<int>(timer)];
}

bool RoundEngine::waitPassed(double limit, bool strictly) const {
    const double elapsed = m_ports.clock.monotonicSeconds() - state().waitOrigin;
    return strictly ? elapsed > limit : elapsed >= limit;
}

QString RoundEngine::picturePath(const content_catalogue::Picture& file) const {
    return content_paths::picture(m_ports.shared.appPath, file.fileName);
}

QString RoundEngine::soundPath(QStringView fileName) const {
    return content_paths::sound(m_ports.shared.appPath, fileName);
}
