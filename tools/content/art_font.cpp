#include "tools/content/art_font.h"

#include "tools/content/glyph_pictures.h"

#include <QRawFont>
#include <stdexcept>

namespace content {

QPainterPath minchoText(const QString& text, qreal pixelSize, QPointF centre) {
    const QRawFont font(QString::fromLatin1(kMinchoFile), pixelSize);
    if (!font.isValid())
        throw std::runtime_error(QStringLiteral("cannot load the font file %1")
                                     .arg(QLatin1String(kMinchoFile))
                                     .toStdString());
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    QPointF pen(0, 0);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (glyphs[i] == 0)
            throw std::runtime_error(QStringLiteral("the font %1 has no glyph for \"%2\"")
                                         .arg(QLatin1String(kMinchoFile), text)
                                         .toStdString());
        path.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances.value(i);
    }
    return path.translated(centre - path.boundingRect().center());
}

} // namespace content
