#pragma once

#include "facts/content_catalogue.h"
#include "facts/font_faces.h"

#include <QImage>
#include <QPainterPath>
#include <QRawFont>
#include <QString>

namespace content {

/// Width and height of the radical pictures and of the character pictures; side by side they
/// fill the 231 x 231 black window of the play panel.
inline constexpr int kRadicalWidth = content_catalogue::kRadicalPictureSize.width();
inline constexpr int kCharacterWidth = content_catalogue::kCharacterPictureSize.width();
inline constexpr int kGlyphHeight = content_catalogue::kCharacterPictureSize.height();
/// The font's em square is this many pixels in every picture, a little less than the window's
/// height, and lies centred in the 231 x 231 window: its top at row kEmTopRow. Japanese fonts
/// put the top of the ideographic em box 0.88 em above the baseline (their ascent is taller).
inline constexpr qreal kEmPixels = 0.94 * kGlyphHeight;
inline constexpr qreal kEmTopRow = (kGlyphHeight - kEmPixels) / 2;
inline constexpr qreal kEmAboveBaseline = 0.88;

/// The font every character is drawn in: a Japanese mincho, chosen by file so that no fallback
/// can slip in a Chinese or gothic form.
using font_faces::kMinchoFamily;
using font_faces::kMinchoFile;

// Draws the radical and character pictures, white on black, as the font draws a kanji: the em
// square of the font maps onto the 231 x 231 window (never a glyph's ink box, so 二 stays in the
// middle and 一 stays a thin line), the radical is the left part of a real kanji, the component
// is its whole glyph narrowed by one fixed factor. A narrowed part gets back the weight its
// vertical strokes lost, so every stroke weighs as in the font. Every component goes through
// exactly the same drawing, whether radical + component is real or made up, so the pictures give
// nothing away.
class GlyphPictures {
public:
    /// Loads the font file; throws std::runtime_error naming the file when it is missing or is
    /// not the expected family.
    explicit GlyphPictures(const QString& fontFile = QString::fromLatin1(kMinchoFile));

    /// The radical 1..6 in its left-hand form, 90 x 231, greyscale; at a `scale` of 2 the same
    /// drawing with twice the pixels each way (its 2x form).
    QImage radicalPicture(int radicalNo, int scale = 1) const;
    /// The component (one character) narrowed into the right part, 140 x 231, greyscale (twice
    /// that each way at a `scale` of 2). Throws std::runtime_error naming the font and the
    /// character when the font lacks it.
    QImage componentPicture(const QString& glyph, int scale = 1) const;

    /// The kanji whose left part is taken as the radical's left-hand form.
    static QString radicalSource(int radicalNo);

private:
    QPainterPath outline(const QString& character) const;
    QPainterPath leftPart(const QString& kanji) const;
    /// Pixels of width that the vertical strokes of a part narrowed by `narrowing` lost.
    qreal lostWeight(qreal narrowing) const;

    QRawFont m_font;
    QString m_fontFile;
    qreal m_verticalStroke = 0; ///< width of the font's vertical stroke, in font units
};

} // namespace content
