#include "screens/application_setup.h"

#include "facts/font_faces.h"

#include <QFont>
#include <QGuiApplication>

void setUpApplication() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // fontconfig would map the face to a serif that draws kanji in Chinese or gothic forms.
    QFont::insertSubstitutions(font_faces::kScreenFace.toString(),
                               {QString::fromLatin1(font_faces::kMinchoFamily),
                                QString::fromLatin1(font_faces::kOlderMinchoFamily)});
}
