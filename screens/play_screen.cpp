#include "screens/play_screen.h"

#include "artwork/artwork.h"
#include "artwork/gauge_art.h"
#include "artwork/gauge_check.h"
#include "platform/picture_loader.h"
#include "platform/sound_player.h"
#include "round/gauge_cells.h"
#include "screens/gauge_box.h"
#include "screens/image_control.h"
#include "screens/picture_button.h"
#include "screens/question_review.h"
#include "shell/content_catalogue.h"
#include "shell/content_error.h"
#include "shell/content_paths.h"
#include "shell/radicals.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QTimer>
#include <tuple>

namespace {

constexpr int kClientWidth = 11490;
constexpr int kClientHeight = 7170;
const QColor kWindowColour(255, 128, 128);
// The timers are started with this interval and stopped otherwise; a QTimer with interval 0
// would fire without pause.
constexpr int kTickMilliseconds = 100;

const QStringList kTabOrder{"Command1", "Command2(0)", "Command2(1)", "Command3"};

QFont minchoBold(int pixelSize) {
    QFont font(QStringLiteral("ＭＳ 明朝"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

const QString kGaugeDescription =
    QStringLiteral("正解は下から緑、不正解は上から赤のマスで示します");
const QString kReviewHint = QStringLiteral("ゲージのマスを指すと、その問題を振り返れます");

int imageIndex(PlayControl control) {
    switch (control) {
    case PlayControl::Image2:
        return 1;
    case PlayControl::Image3:
        return 2;
    case PlayControl::Image4:
        return 3;
    case PlayControl::Image5:
        return 4;
    case PlayControl::Image6:
        return 5;
    case PlayControl::Command3:
        break;
    }
    return -1;
}

} // namespace

PlayScreen::PlayScreen(const PlayScreenDefinition& definition, const SharedState& shared,
                       ErrorPath& errorPath, QWidget* parent)
    : ScreenWindow(errorPath, parent), m_shared(shared), m_bannerName(definition.bannerName) {
    screen_geometry::setUpWindow(this, QString(), kClientWidth, kClientHeight, kWindowColour);
    buildPictures(definition);
    buildLabels();
    buildButtons();
    buildTimers(definition.hasCountdown);
    // The screen's sounds are loaded before the first one plays.
    QStringList sounds;
    for (const QStringView file : content_catalogue::kGameSounds)
        sounds << content_paths::sound(shared.appPath, file);
    if (definition.hasCountdown)
        for (const QStringView file : content_catalogue::kCountdownSounds)
            sounds << content_paths::sound(shared.appPath, file);
    m_sound = new SoundPlayer(sounds, this);
    m_sound->setObjectName(QStringLiteral("MediaPlayer1"));
    screen_geometry::placeControls(this, definition.controls);
    screen_geometry::setTabOrder(this, kTabOrder);
}

PlayScreen::~PlayScreen() = default;

void PlayScreen::buildPictures(const PlayScreenDefinition& definition) {
    const int count = definition.hasCountdown ? 6 : 5;
    for (int i = 0; i < count; ++i) {
        // Image5 (medal or crow) and Image6 (countdown) scale any picture to their rectangle.
        const bool stretch = i >= 4;
        m_images[static_cast<std::size_t>(i)] =
            new ImageControl(QStringLiteral("Image%1").arg(i + 1), stretch, this);
    }
    m_images[0]->setImage(artwork::playPanel());
    m_images[3]->setImage(artwork::words(definition.banner));
    m_images[0]->setAccessibleName(QStringLiteral("問題の盤"));
    m_images[3]->setAccessibleName(definition.bannerName);
    m_images[2]->setVisible(false);
    m_images[4]->setVisible(false);
    // The rating tells the player that the gauge now reads back the game; it takes the pointer
    // for that (nothing under it can be clicked).
    m_images[4]->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    m_images[4]->setToolTip(kReviewHint);
    m_images[4]->setAccessibleDescription(kReviewHint);
    if (definition.hasCountdown)
        m_images[5]->setVisible(false);

    m_gauge = new GaugeBox(QStringLiteral("Picture1"), artwork::emptyGauge(), this);
    m_gauge->setAccessibleName(QStringLiteral("正解と不正解のゲージ"));
    m_gauge->setAccessibleDescription(kGaugeDescription);
    m_gauge->setCellText([this](int cell) { return reviewOfCell(cell); });
}

void PlayScreen::buildLabels() {
    const auto makeLabel = [this](const QString& name, const QColor& colour, int pixelSize) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(minchoBold(pixelSize));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, colour);
        label->setPalette(pal);
        return label;
    };
    // 24 points and 39.75 points at 96 dots per inch.
    m_questionLabel = makeLabel(QStringLiteral("Label2"), Qt::white, 32);
    m_scoreLabel = makeLabel(QStringLiteral("Label1"), QColor(255, 255, 0), 53);
}

void PlayScreen::buildButtons() {
    auto* back = new PictureButton(QStringLiteral("Command1"), artwork::words(artwork::Words::Menu),
                                   QColor(), this);
    back->setAccessibleName(QStringLiteral("メニュー"));
    back->setAccessibleDescription(QStringLiteral("ゲームをやめてメニューに戻ります"));
    connect(back, &QPushButton::clicked, this,
            [this] { guarded([this] { Q_EMIT menuRequested(); }); });

    const std::array<std::tuple<artwork::Words, QString, QString>, 2> answers{{
        {artwork::Words::Exists, QStringLiteral("ある"),
         QStringLiteral("この漢字は本当にある（実在する）")},
        {artwork::Words::MadeUp, QStringLiteral("ない"),
         QStringLiteral("この漢字は存在しない（作り物）")},
    }};
    for (int i = 0; i < 2; ++i) {
        const auto& [words, name, description] = answers[static_cast<std::size_t>(i)];
        auto* button = new PictureButton(screen_geometry::arrayElementName("Command2", i),
                                         artwork::words(words), QColor(), this);
        button->setAccessibleName(name);
        button->setAccessibleDescription(description);
        connect(button, &QPushButton::clicked, this,
                [this, i] { guarded([this, i] { answerPressed(i); }); });
        // O or the left arrow answers "ある", X or the right arrow "ない", like the buttons'
        // places on the screen.
        bindKey(QKeySequence(i == 0 ? Qt::Key_O : Qt::Key_X), button);
        bindKey(QKeySequence(i == 0 ? Qt::Key_Left : Qt::Key_Right), button);
    }

    m_anotherGame =
        new PictureButton(QStringLiteral("Command3"), artwork::words(artwork::Words::AnotherGame),
                          kWindowColour, this);
    m_anotherGame->setAccessibleName(QStringLiteral("再挑戦"));
    m_anotherGame->setAccessibleDescription(QStringLiteral("もう一度ゲームをします"));
    m_anotherGame->setVisible(false);
    connect(m_anotherGame, &QPushButton::clicked, this,
            [this] { guarded([this] { anotherGamePressed(); }); });
    bindKey(QKeySequence(Qt::Key_R), m_anotherGame);
}

void PlayScreen::buildTimers(bool hasCountdown) {
    const int count = hasCountdown ? 6 : 2;
    for (int i = 0; i < count; ++i) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer%1").arg(i + 1));
        timer->setInterval(kTickMilliseconds);
        const auto which = static_cast<PlayTimer>(i);
        connect(timer, &QTimer::timeout, this,
                [this, which] { guarded([this, which] { timerTicked(which); }); });
        m_timers[static_cast<std::size_t>(i)] = timer;
    }
}

void PlayScreen::setText(PlayText text, const QString& value) {
    switch (text) {
    case PlayText::Title:
        setWindowTitle(value);
        break;
    case PlayText::Label1:
        m_scoreLabel->setText(value);
        m_scoreLabel->setAccessibleName(value.isEmpty() ? QString()
                                                        : QStringLiteral("正解率 %1 %").arg(value));
        break;
    case PlayText::Label2:
        m_questionLabel->setText(value);
        m_questionLabel->setAccessibleName(value.isEmpty() ? QString()
                                                           : QStringLiteral("第 %1 問").arg(value));
        break;
    }
}

QWidget* PlayScreen::control(PlayControl which) const {
    if (which == PlayControl::Command3)
        return m_anotherGame;
    return image(which);
}

ImageControl* PlayScreen::image(PlayControl which) const {
    const int index = imageIndex(which);
    return index < 0 ? nullptr : m_images[static_cast<std::size_t>(index)];
}

void PlayScreen::setShown(PlayControl which, bool shown) {
    if (QWidget* widget = control(which))
        widget->setVisible(shown);
    // The another-game button comes with the rating, and with it the review of the gauge.
    if (which == PlayControl::Command3)
        m_gauge->setAccessibleDescription(
            shown ? kGaugeDescription + QStringLiteral("。") + kReviewHint : kGaugeDescription);
}

void PlayScreen::loadPicture(PlayControl which, const QString& path) {
    ImageControl* target = image(which);
    if (!target)
        return;
    target->setImage(loadPictureFile(path));
    target->setAccessibleName(describePicture(which, path));
}

QString PlayScreen::describePicture(PlayControl which, const QString& path) const {
    const QString base = QFileInfo(path).completeBaseName();
    switch (which) {
    case PlayControl::Image2:
        return radicalName(m_shared.radicalNo);
    case PlayControl::Image3:
        // Never the answer: real and made-up characters are named alike.
        return QStringLiteral("問題の文字");
    case PlayControl::Image4:
        return m_bannerName;
    case PlayControl::Image5:
        if (base == QLatin1String("gmedal"))
            return QStringLiteral("金メダル");
        if (base == QLatin1String("smedal"))
            return QStringLiteral("銀メダル");
        if (base == QLatin1String("cmedal"))
            return QStringLiteral("銅メダル");
        if (base == QLatin1String("karasu"))
            return QStringLiteral("カラス（不合格）");
        return base;
    case PlayControl::Image6:
        return QStringLiteral("カウントダウン %1").arg(base);
    case PlayControl::Command3:
        break;
    }
    return {};
}

QString PlayScreen::reviewOfCell(int cell) const {
    // Only a rated game is reviewed: during play and its ending the cells stay silent, so
    // nothing gives away an answer.
    if (m_anotherGame->isHidden() || cell < 1 || cell > artwork::kGaugeCells)
        return {};
    const GameState& state = gameState();
    const int question = gaugeCellQuestions(state)[static_cast<std::size_t>(cell - 1)];
    if (question < 1 || question > kQuestionsPerGame)
        return {};
    return question_review::describe(state.records[static_cast<std::size_t>(question - 1)],
                                     m_shared);
}

void PlayScreen::loadGauge(const QString& path) {
    QImage gauge = loadPictureFile(path);
    // Every fill relies on the gauge's cells and white lines: a gauge laid out otherwise would
    // paint the wrong places, so it is a content fault like an undecodable picture.
    const QStringList faults = artwork::gaugeFaults(gauge);
    if (!faults.isEmpty())
        throw ContentError(
            path, QStringLiteral("ゲージの絵がマスの位置と合いません（%1）").arg(faults.first()));
    m_gauge->setImage(std::move(gauge));
}

void PlayScreen::fillGauge(int x, int y, GaugeFill fill) {
    m_gauge->fill(x, y, fill == GaugeFill::Right ? artwork::kGaugeGreen : artwork::kGaugeRed);
}

void PlayScreen::playSound(const QString& path) {
    m_sound->play(path);
}

void PlayScreen::setTimerRunning(PlayTimer which, bool running) {
    QTimer* timer = m_timers[static_cast<std::size_t>(which)];
    if (!timer)
        return;
    if (running)
        timer->start(kTickMilliseconds);
    else
        timer->stop();
}

void PlayScreen::unload() {
    for (QTimer* timer : m_timers)
        if (timer)
            timer->stop();
    m_sound->stop();
}
