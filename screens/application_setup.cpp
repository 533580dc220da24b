#include "screens/application_setup.h"

#include <QFont>
#include <QGuiApplication>

void setUpApplication() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // fontconfig would map the face to a serif that draws kanji in Chinese or gothic forms.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"),
                               {QStringLiteral("IPAexMincho"), QStringLiteral("IPAMincho")});
}
