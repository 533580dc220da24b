#include "artwork/art_text.h"

#include "facts/font_faces.h"

#include <QFontDatabase>
#include <QTransform>

namespace artwork::text {
namespace {

using font_faces::kMinchoFamily;
using font_faces::kMinchoFile;

// The font file is used only when fontconfig does not know the family.
QString minchoFamily() {
    static const QString family = [] {
        if (QFontDatabase::families().contains(QString::fromLatin1(kMinchoFamily)))
            return QString::fromLatin1(kMinchoFamily);
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kMinchoFile));
        const QStringList added = QFontDatabase::applicationFontFamilies(id);
        return added.isEmpty() ? QString::fromLatin1(kMinchoFamily) : added.first();
    }();
    return family;
}

} // namespace

QFont mincho(qreal pixelSize) {
    QFont font;
    // Other Japanese mincho faces stand in where the IPA font is not installed (Windows).
    QStringList families{minchoFamily(), QString::fromLatin1(font_faces::kOlderMinchoFamily)};
    for (const char* family : font_faces::kWindowsMinchoFamilies)
        families << QString::fromLatin1(family);
    font.setFamilies(families);
    font.setPixelSize(qRound(pixelSize));
    font.setStyleStrategy(QFont::PreferOutline);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QPainterPath centred(const QString& text, const QFont& font, const QRectF& box, qreal spacing) {
    QFont spaced = font;
    if (spacing != 0)
        spaced.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    QPainterPath path;
    path.addText(0, 0, spaced, text);
    const QRectF ink = path.boundingRect();
    path.translate(box.center() - ink.center());
    return path;
}

QPainterPath fitted(const QString& text, const QRectF& box, qreal spacing) {
    constexpr qreal kDesign = 100; // outlines are scalable: lay out once, then scale to fit
    const QPainterPath path = centred(text, mincho(kDesign), QRectF(), kDesign * spacing);
    const QRectF ink = path.boundingRect();
    const qreal scale = qMin(box.width() / ink.width(), box.height() / ink.height());
    return stretched(path, scale, scale, box);
}

QPainterPath stretched(const QPainterPath& path, qreal sx, qreal sy, const QRectF& box) {
    const QRectF ink = path.boundingRect();
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(sx, sy);
    transform.translate(-ink.center().x(), -ink.center().y());
    return transform.map(path);
}

} // namespace artwork::text
