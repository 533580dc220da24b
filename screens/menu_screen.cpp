#include "screens/menu_screen.h"

#include "artwork/artwork.h"
#include "facts/font_faces.h"
#include "facts/radicals.h"
#include "round/playable_lists.h"
#include "screens/built_in_picture.h"
#include "screens/control_geometry.h"
#include "screens/image_control.h"
#include "screens/menu_layout.h"
#include "screens/mode_frame.h"
#include "screens/picture_button.h"
#include "shell/radical_choice.h"

#include <QGroupBox>
#include <QKeySequence>
#include <QMessageBox>
#include <array>

using screen_geometry::arrayElementName;

namespace {

const QColor kWindowColour(128, 128, 255);
const QColor kFrameColour(255, 128, 128);

const QStringList kTabOrder{"Command1(0)", "Command1(1)", "Command1(2)", "Command1(3)",
                            "Command1(4)", "Command1(5)", "Command2",    "Command3",
                            "Command4(0)", "Command4(1)"};

} // namespace

MenuScreen::MenuScreen(SharedState& shared, ErrorPath& errorPath, QWidget* parent)
    : ScreenWindow(errorPath, parent), m_shared(shared) {
    setObjectName(QStringLiteral("メニュー"));
    screen_geometry::setUpWindow(this, QStringLiteral("メニュー"), menu_layout::kClientWidth,
                                 menu_layout::kClientHeight, kWindowColour);
    QFont screenFont(font_faces::kScreenFace.toString());
    screenFont.setPointSize(9);
    setFont(screenFont);
    buildControls();
    screen_geometry::placeControls(this, menu_layout::kControls);
    screen_geometry::setTabOrder(this, kTabOrder);
}

void MenuScreen::buildControls() {
    auto* title = new ImageControl(QStringLiteral("Image1"), false, this);
    title->setPicture(built_in::title());
    title->setAccessibleName(QStringLiteral("漢字クイズ"));

    for (int i = 0; i < kRadicalCount; ++i) {
        auto* button = new PictureButton(arrayElementName("Command1", i),
                                         built_in::radicalShape(i + 1), QColor(), this);
        button->setToolTip(radicalName(i + 1));
        button->setAccessibleName(radicalName(i + 1));
        button->setAccessibleDescription(
            QStringLiteral("%1の漢字で遊びます").arg(radicalName(i + 1)));
        connect(button, &QPushButton::clicked, this, [this, i] { radicalPressed(i); });
        bindKey(QKeySequence(Qt::Key_1 + i), button);
    }

    auto* howToPlay =
        new PictureButton(QStringLiteral("Command2"), built_in::words(artwork::Words::HowToPlay),
                          kWindowColour, this);
    howToPlay->setAccessibleName(QStringLiteral("遊び方"));
    howToPlay->setAccessibleDescription(QStringLiteral("遊び方を読みます"));
    connect(howToPlay, &QPushButton::clicked, this,
            [this] { guarded([this] { Q_EMIT howToPlayChosen(); }); });
    bindKey(QKeySequence(Qt::Key_H), howToPlay);

    auto* end = new PictureButton(QStringLiteral("Command3"),
                                  built_in::words(artwork::Words::EndGame), kWindowColour, this);
    end->setAccessibleName(QStringLiteral("終了"));
    end->setAccessibleDescription(QStringLiteral("ゲームを終わります"));
    connect(end, &QPushButton::clicked, this, [this] { guarded([this] { Q_EMIT endChosen(); }); });

    m_modeFrame = new ModeFrame(this);
    m_modeFrame->setObjectName(QStringLiteral("Frame1"));
    m_modeFrame->setAutoFillBackground(true);
    QPalette framePalette = m_modeFrame->palette();
    framePalette.setColor(QPalette::Window, kFrameColour);
    framePalette.setColor(QPalette::WindowText, Qt::white);
    framePalette.setColor(QPalette::Text, Qt::white);
    m_modeFrame->setPalette(framePalette);
    m_modeFrame->setVisible(false);

    const std::array<std::pair<artwork::Words, QString>, 2> modes{{
        {artwork::Words::SpeedMode, QStringLiteral("スピードモード")},
        {artwork::Words::CarefulMode, QStringLiteral("じっくりモード")},
    }};
    for (int i = 0; i < 2; ++i) {
        auto* button = new PictureButton(arrayElementName("Command4", i),
                                         built_in::words(modes[static_cast<std::size_t>(i)].first),
                                         QColor(), m_modeFrame);
        button->setAccessibleName(modes[static_cast<std::size_t>(i)].second);
        button->setAccessibleDescription(
            QStringLiteral("%1で始めます").arg(modes[static_cast<std::size_t>(i)].second));
        connect(button, &QPushButton::clicked, this,
                [this, i] { guarded([this, i] { Q_EMIT modeChosen(i); }); });
        // S for the speed mode, J for the careful one; inactive while the frame is hidden.
        bindKey(QKeySequence(i == 0 ? Qt::Key_S : Qt::Key_J), button);
    }
}

void MenuScreen::radicalPressed(int index) {
    guarded([this, index] {
        chooseRadical(m_shared, index + 1);
        const QString why = whyUnplayable(m_shared);
        if (!why.isEmpty()) {
            // The lists cannot make a game: say so and keep the modes out of reach, also when
            // an earlier radical had shown them.
            m_modeFrame->setVisible(false);
            showUnplayable(why);
            return;
        }
        m_modeFrame->setTitle(radicalName(m_shared.radicalNo));
        m_modeFrame->setAccessibleName(radicalName(m_shared.radicalNo));
        m_modeFrame->setAccessibleDescription(QStringLiteral("ゲームのモードを選びます"));
        m_modeFrame->setVisible(true);
    });
}

void MenuScreen::showUnplayable(const QString& why) {
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("漢字クイズ"), why,
                                QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("UnplayableMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
