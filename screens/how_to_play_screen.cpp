#include "screens/how_to_play_screen.h"

#include "artwork/artwork.h"
#include "facts/font_faces.h"
#include "screens/built_in_picture.h"
#include "screens/control_geometry.h"
#include "screens/how_to_play_layout.h"
#include "screens/picture_button.h"
#include "shell/content_paths.h"
#include "shell/how_to_play.h"

#include <QListWidget>

namespace {

const QColor kWindowColour(128, 128, 255);
const QColor kListBack(0, 0, 128);

const QStringList kTabOrder{"List1", "Command1"};

} // namespace

HowToPlayScreen::HowToPlayScreen(const QString& appPath, ErrorPath& errorPath, QWidget* parent)
    : ScreenWindow(errorPath, parent), m_appPath(appPath) {
    setObjectName(QStringLiteral("遊び方"));
    screen_geometry::setUpWindow(this, QStringLiteral("遊び方"), how_to_play_layout::kClientWidth,
                                 how_to_play_layout::kClientHeight, kWindowColour);

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

    screen_geometry::placeControls(this, how_to_play_layout::kControls);
    screen_geometry::setTabOrder(this, kTabOrder);
}

void HowToPlayScreen::onLoad() {
    m_list->clear();
    m_list->addItems(loadHowToPlay(content_paths::howToPlayFile(m_appPath)));
}
