#include "screens/application_setup.h"

#include "facts/font_faces.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>

void setUpApplication() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
#ifdef Q_OS_WIN
    // Many a Windows outside Japan has no "ＭＳ 明朝" and would draw kanji in a gothic face or as
    // boxes: the game ships IPAexMincho beside it, for the program alone (nothing is installed).
    QFontDatabase::addApplicationFont(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                      QLatin1String(font_faces::kShippedMinchoFile));
#endif
    // fontconfig would map the face to a serif that draws kanji in Chinese or gothic forms; where
    // the face is missing, the mincho stands in for it.
    QFont::insertSubstitutions(font_faces::kScreenFace.toString(),
                               {QString::fromLatin1(font_faces::kMinchoFamily),
                                QString::fromLatin1(font_faces::kOlderMinchoFamily)});
}
