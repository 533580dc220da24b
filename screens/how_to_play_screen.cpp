#include "screens/how_to_play_screen.h"

#include "artwork/artwork.h"
#include "facts/font_faces.h"
#include "screens/built_in_picture.h"
#include "screens/control_geometry.h"
#include "screens/picture_button.h"
#include "shell/content_paths.h"
#include "shell/how_to_play.h"

#include <QListWidget>
#include <array>

using screen_geometry::ControlGeometry;

namespace {

constexpr int kClientWidth = 11490;
constexpr int kClientHeight = 7170;
const QColor kWindowColour(128, 128, 255);
const QColor kListBack(0, 0, 128);

// Front to back.
constexpr std::array<ControlGeometry, 2> kControls{{
    {"Command1", 9405, 195, 1710, 540},
    {"List1", 405, 900, 10725, 6060},
}};

const QStringList kTabOrder{"List1", "Command1"};

} // namespace

HowToPlayScreen::HowToPlayScreen(const QString& appPath, ErrorPath& errorPath, QWidget* parent)
    : ScreenWindow(errorPath, parent), m_appPath(appPath) {
    setObjectName(QStringLiteral("遊び方"));
    screen_geometry::setUpWindow(this, QStringLiteral("遊び方"), kClientWidth, kClientHeight,
                                 kWindowColour);

    auto* back = new PictureButton(QStringLiteral("Command1"),
                                   built_in::words(artwork::Words::Menu), QColor(), this);
    back->setAccessibleName(QStringLiteral("メニュー"));
    back->setAccessibleDescription(QStringLiteral("メニューに戻ります"));
    connect(back, &QPushButton::clicked, this,
            [this] { guarded([this] { Q_EMIT menuRequested(); }); });
    bindKey(QKeySequence(Qt::Key_Escape), back);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QStringLiteral("遊び方"));
    m_list->setSortingEnabled(false);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The list's Japanese text needs a Japanese face; the substitution set up at start-up maps
    // this one to a mincho that draws Japanese forms.
    QFont listFont(font_faces::kScreenFace.toString());
    listFont.setPointSize(12);
    m_list->setFont(listFont);
    QPalette listPalette = m_list->palette();
    listPalette.setColor(QPalette::Base, kListBack);
    listPalette.setColor(QPalette::Text, Qt::white);
    m_list->setPalette(listPalette);

    screen_geometry::placeControls(this, kControls);
    screen_geometry::setTabOrder(this, kTabOrder);
}

void HowToPlayScreen::onLoad() {
    m_list->clear();
    m_list->addItems(loadHowToPlay(content_paths::howToPlayFile(m_appPath)));
}
