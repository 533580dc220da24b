#include "tools/content/glyph_pictures.h"

#include "artwork/radical_art.h"
#include "facts/radicals.h"

#include <QPainter>
#include <algorithm>
#include <stdexcept>

namespace content {

namespace {

// Outlines are taken at this many pixels to the em and scaled down when painted.
constexpr qreal kEm = 1000.0;
constexpr qreal kScale = kEmPixels / kEm;
constexpr qreal kEmTop = kEmAboveBaseline * kEm;
// How much a whole component glyph is narrowed to sit as a right-hand part, and where in the
// window the centre of its em square goes.
constexpr qreal kNarrowing = 0.62;
constexpr qreal kComponentCentreX = kRadicalWidth + kCharacterWidth / 2.0 - 2.0;
// A part narrowed to fit its picture loses weight in its vertical strokes only. It gets back
// what it lost, measured on the font's plain vertical stroke 丨, so that every vertical stroke of
// the window is as heavy as in the font; horizontal strokes keep the font's weight.
constexpr char16_t kVerticalStroke[] = u"丨";
// The pen that widens sideways is round in a space this many times taller than the picture,
// which makes it a flat ellipse in the picture: it adds width, no height.
constexpr qreal kFlattening = 64.0;
// Room kept between a radical's ink and the edges of its picture. A left part taken from a real
// kanji is wider than 90 pixels allow, so it is narrowed to fit between these margins.
constexpr qreal kRadicalLeftMargin = 5.0;
constexpr qreal kRadicalRightMargin = 3.0;

[[noreturn]] void fail(const QString& why) {
    throw std::runtime_error(why.toStdString());
}

// A black picture `width` pixels wide at `scale` device pixels to the pixel: everything is drawn
// on it in the coordinates of its 1x form.
QImage blackPicture(int width, int scale) {
    QImage image(width * scale, kGlyphHeight * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    return image;
}

// Paints `path` (in picture pixels) white, `widening` pixels wider in all, half on each side.
void paintWhite(QImage& image, const QPainterPath& path, qreal widening) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::white);
    if (widening <= 0) {
        painter.setPen(Qt::NoPen);
        painter.drawPath(path);
        return;
    }
    painter.setPen(QPen(Qt::white, widening, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setTransform(QTransform::fromScale(1, 1 / kFlattening));
    painter.drawPath(QTransform::fromScale(1, kFlattening).map(path));
}

} // namespace

GlyphPictures::GlyphPictures(const QString& fontFile)
    : m_font(fontFile, kEm), m_fontFile(fontFile) {
    if (!m_font.isValid())
        fail(QStringLiteral("cannot load the font file %1 (install fonts-ipaexfont-mincho)")
                 .arg(fontFile));
    if (m_font.familyName() != QLatin1String(kMinchoFamily))
        fail(QStringLiteral("the font file %1 holds \"%2\", not %3")
                 .arg(fontFile, m_font.familyName(), QLatin1String(kMinchoFamily)));
    // The stroke's width half way down.
    const QPainterPath stroke = outline(QString::fromUtf16(kVerticalStroke));
    QPainterPath band;
    band.addRect(QRectF(-kEm, stroke.boundingRect().center().y(), 3 * kEm, 1));
    m_verticalStroke = stroke.intersected(band).boundingRect().width();
}

qreal GlyphPictures::lostWeight(qreal narrowing) const {
    return (1 - narrowing) * m_verticalStroke * kScale;
}

QString GlyphPictures::radicalSource(int radicalNo) {
    // The same kanji as the menu's radical shapes, so that both show the same form.
    const QString source = ::radicalSource(radicalNo);
    if (source.isEmpty())
        fail(QStringLiteral("radical %1 is not 1 to %2").arg(radicalNo).arg(kRadicalCount));
    return source;
}

QPainterPath GlyphPictures::outline(const QString& character) const {
    const QList<quint32> glyphs = m_font.glyphIndexesForString(character);
    const char32_t code = character.toUcs4().value(0);
    if (glyphs.size() != 1 || glyphs.first() == 0 || !m_font.supportsCharacter(code))
        fail(QStringLiteral("the font %1 (%2) has no glyph for %3 (U+%4)")
                 .arg(m_font.familyName(), m_fontFile, character)
                 .arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')));
    QPainterPath path = m_font.pathForGlyph(glyphs.first());
    if (path.isEmpty())
        fail(QStringLiteral("the glyph for %1 in %2 is empty").arg(character, m_fontFile));
    path.setFillRule(Qt::WindingFill);
    return path;
}

// The contours of `kanji` that belong to its left part, cut as the menu's radical shapes are.
QPainterPath GlyphPictures::leftPart(const QString& kanji) const {
    const QPainterPath left = artwork::leftPart(outline(kanji), kEm);
    if (left.isEmpty())
        fail(QStringLiteral("cannot find the radical in %1").arg(kanji));
    return left;
}

QImage GlyphPictures::radicalPicture(int radicalNo, int scale) const {
    const QPainterPath left = leftPart(radicalSource(radicalNo));
    const QRectF box = left.boundingRect();
    const qreal room = kRadicalWidth - kRadicalLeftMargin - kRadicalRightMargin;
    // Narrowed so that its ink, widened by what narrowing takes off its vertical strokes, fits
    // the room: width x n + stroke x (1 - n) <= room.
    const qreal stroke = m_verticalStroke * kScale;
    const qreal width = box.width() * kScale;
    const qreal narrowing = std::min(1.0, (room - stroke) / (width - stroke));
    // Right-aligned against the component, like the left part of a real kanji.
    QTransform transform;
    transform.translate(kRadicalWidth - kRadicalRightMargin - lostWeight(narrowing) / 2, kEmTopRow);
    transform.scale(kScale * narrowing, kScale);
    transform.translate(-box.right(), kEmTop);
    QImage image = blackPicture(kRadicalWidth, scale);
    paintWhite(image, transform.map(left), lostWeight(narrowing));
    return image;
}

QImage GlyphPictures::componentPicture(const QString& glyph, int scale) const {
    const QPainterPath path = outline(glyph);
    QTransform transform;
    transform.translate(kComponentCentreX - kRadicalWidth, kEmTopRow);
    transform.scale(kScale * kNarrowing, kScale);
    transform.translate(-kEm / 2, kEmTop);
    QImage image = blackPicture(kCharacterWidth, scale);
    paintWhite(image, transform.map(path), lostWeight(kNarrowing));
    return image;
}

} // namespace content
