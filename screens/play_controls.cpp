#include "screens/play_controls.h"

#include "artwork/artwork.h"
#include "facts/content_catalogue.h"
#include "facts/font_faces.h"
#include "facts/play_layout.h"
#include "platform/sound_player.h"
#include "screens/built_in_picture.h"
#include "screens/control_geometry.h"
#include "screens/gauge_box.h"
#include "screens/image_control.h"
#include "screens/picture_button.h"
#include "shell/content_paths.h"

#include <QLabel>
#include <QTimer>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

const QColor kWindowColour(255, 128, 128);

const QStringList kTabOrder{"Command1", "Command2(0)", "Command2(1)", "Command3"};

const QString kCellHint = QStringLiteral("ゲージのマスを指すと、その問題を振り返れます");
const QString kReviewHint = QStringLiteral("クリックするか V キーで、全問を振り返れます");

QFont minchoBold(int pixelSize) {
    QFont font(font_faces::kScreenFace.toString());
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

void buildPictures(QWidget* window, const PlayScreenDefinition& definition,
                   PlayControls& controls) {
    const int count = definition.hasCountdown ? 6 : 5;
    for (int n = 1; n <= count; ++n) {
        // Image5 (medal or crow) and Image6 (countdown) scale any picture to their rectangle.
        const bool stretch = n >= 5;
        controls.images[static_cast<std::size_t>(n - 1)] =
            new ImageControl(QStringLiteral("Image%1").arg(n), stretch, window);
    }
    controls.image(1)->setPicture(built_in::playPanel());
    controls.image(4)->setPicture(built_in::words(definition.banner));
    controls.image(1)->setAccessibleName(QStringLiteral("問題の盤"));
    controls.image(4)->setAccessibleName(definition.bannerName);
    controls.image(3)->setVisible(false);
    ImageControl* rating = controls.image(5);
    rating->setVisible(false);
    // A click on the rating opens the review of the game, and the rating says so; it takes the
    // pointer for that (nothing under it can be clicked).
    rating->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    rating->setCursor(Qt::PointingHandCursor);
    rating->setToolTip(kReviewHint);
    rating->setAccessibleDescription(kReviewHint);
    if (definition.hasCountdown)
        controls.image(6)->setVisible(false);

    controls.gauge = new GaugeBox(QStringLiteral("Picture1"), built_in::emptyGauge(), window);
    controls.gauge->setAccessibleName(QStringLiteral("正解と不正解のゲージ"));
    controls.gauge->setAccessibleDescription(gaugeDescription(false));
}

void buildLabels(QWidget* window, PlayControls& controls) {
    const auto makeLabel = [window](const QString& name, const QColor& colour, int pixelSize) {
        auto* label = new QLabel(window);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(minchoBold(pixelSize));
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, colour);
        label->setPalette(pal);
        return label;
    };
    // 24 points and 39.75 points at 96 dots per inch.
    controls.questionNumber = makeLabel(QStringLiteral("Label2"), Qt::white, 32);
    controls.score = makeLabel(QStringLiteral("Label1"), QColor(255, 255, 0), 53);
}

void buildButtons(QWidget* window, PlayControls& controls) {
    controls.back = new PictureButton(QStringLiteral("Command1"),
                                      built_in::words(artwork::Words::Menu), QColor(), window);
    controls.back->setAccessibleName(QStringLiteral("メニュー"));
    controls.back->setAccessibleDescription(QStringLiteral("ゲームをやめてメニューに戻ります"));

    const std::array<std::tuple<artwork::Words, QString, QString>, 2> answers{{
        {artwork::Words::Exists, QStringLiteral("ある"),
         QStringLiteral("この漢字は本当にある（実在する）")},
        {artwork::Words::MadeUp, QStringLiteral("ない"),
         QStringLiteral("この漢字は存在しない（作り物）")},
    }};
    for (int i = 0; i < 2; ++i) {
        const auto& [words, name, description] = answers[static_cast<std::size_t>(i)];
        auto* button = new PictureButton(screen_geometry::arrayElementName("Command2", i),
                                         built_in::words(words), QColor(), window);
        button->setAccessibleName(name);
        button->setAccessibleDescription(description);
        controls.answers[static_cast<std::size_t>(i)] = button;
    }

    controls.anotherGame =
        new PictureButton(QStringLiteral("Command3"), built_in::words(artwork::Words::AnotherGame),
                          kWindowColour, window);
    controls.anotherGame->setAccessibleName(QStringLiteral("再挑戦"));
    controls.anotherGame->setAccessibleDescription(QStringLiteral("もう一度ゲームをします"));
    controls.anotherGame->setVisible(false);
}

void buildTimers(QWidget* window, bool hasCountdown, PlayControls& controls) {
    const int count = hasCountdown ? kPlayTimers : 2;
    for (int i = 0; i < count; ++i) {
        auto* timer = new QTimer(window);
        timer->setObjectName(QStringLiteral("Timer%1").arg(i + 1));
        timer->setInterval(kTickMilliseconds);
        controls.timers[static_cast<std::size_t>(i)] = timer;
    }
}

void buildSound(QWidget* window, bool hasCountdown, const QString& appPath,
                PlayControls& controls) {
    // The screen's sounds are loaded before the first one plays.
    QStringList sounds;
    for (const QStringView file : content_catalogue::kGameSounds)
        sounds << content_paths::sound(appPath, file);
    if (hasCountdown)
        for (const QStringView file : content_catalogue::kCountdownSounds)
            sounds << content_paths::sound(appPath, file);
    controls.sound = new SoundPlayer(sounds, window);
    controls.sound->setObjectName(QStringLiteral("MediaPlayer1"));
}

void placeControls(QWidget* window, bool hasCountdown) {
    std::vector<twips::Control> placed;
    for (const twips::Control& control : play_layout::kControls)
        if (hasCountdown || std::string_view(control.name) != play_layout::kCountdownPicture.name)
            placed.push_back(control);
    screen_geometry::placeControls(window, placed);
}

} // namespace

PlayControls buildPlayScreen(QWidget* window, const PlayScreenDefinition& definition,
                             const QString& appPath) {
    screen_geometry::setUpWindow(window, QString(), play_layout::kClientWidth,
                                 play_layout::kClientHeight, kWindowColour);
    PlayControls controls;
    buildPictures(window, definition, controls);
    buildLabels(window, controls);
    buildButtons(window, controls);
    buildTimers(window, definition.hasCountdown, controls);
    buildSound(window, definition.hasCountdown, appPath, controls);
    placeControls(window, definition.hasCountdown);
    screen_geometry::setTabOrder(window, kTabOrder);
    return controls;
}

QString gaugeDescription(bool reviewable) {
    const QString cells = QStringLiteral("正解は下から緑、不正解は上から赤のマスで示します");
    return reviewable ? cells + QStringLiteral("。") + kCellHint : cells;
}
