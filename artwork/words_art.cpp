#include "artwork/painting.h"

#include "artwork/art_paint.h"
#include "artwork/art_text.h"

#include <QPainter>
#include <QRadialGradient>

namespace artwork {
namespace {

// Button faces.
const QColor kBlueLight(58, 96, 232);
const QColor kBlueDark(10, 28, 140);
const QColor kOrangeLight(255, 170, 64);
const QColor kOrangeDark(214, 92, 8);
const QColor kAnswerRed(214, 24, 24);
const QColor kAnswerYellow(255, 236, 40);
QImage blueWords(QSize size, const QString& text, qreal margin, qreal weight, int scale) {
    QImage image = paint::canvas(size, kBlueDark, scale);
    QPainter painter(&image);
    const QRect face(QPoint(0, 0), size);
    paint::buttonFace(painter, face, kBlueLight, kBlueDark);
    const QRectF box = QRectF(face).adjusted(margin * 1.6, margin, -margin * 1.6, -margin);
    paint::lettering(painter, text::fitted(text, box, 0.04), Qt::white, weight, {1.2, 1.2});
    painter.end();
    return paint::finished(image);
}

// Letter-spaced white words on an orange face; short words get wider spacing so that all three
// buttons carry lettering of one size and about one width.
QImage orangeWords(const QString& text, int scale) {
    const QSize size(176, 50);
    QImage image = paint::canvas(size, kOrangeDark, scale);
    QPainter painter(&image);
    paint::buttonFace(painter, QRect(QPoint(0, 0), size), kOrangeLight, kOrangeDark);
    const qreal glyph = 29;
    const qreal spacing = text.size() <= 2 ? 1.0 : 0.45;
    const QPainterPath path =
        text::centred(text, text::mincho(glyph), QRectF(0, 0, 176, 50), glyph * spacing);
    paint::lettering(painter, path, Qt::white, 0.9, {1.4, 1.4}, QColor(110, 40, 0, 170));
    painter.end();
    return paint::finished(image);
}

QImage answerWords(const QString& text, int scale) {
    const QSize size(153, 57);
    QImage image = paint::canvas(size, Qt::black, scale);
    QPainter painter(&image);
    // A red frame in two lines with a black gap, like a lacquered box.
    painter.fillRect(QRect(0, 0, 153, 57), kAnswerRed);
    painter.fillRect(QRect(4, 4, 145, 49), Qt::black);
    paint::outline(painter, QRect(6, 6, 141, 45), kAnswerRed.darker(130));
    const QPainterPath path = text::centred(text, text::mincho(38), QRectF(0, 0, 153, 57), 14);
    paint::lettering(painter, path, kAnswerYellow, 1.0);
    painter.end();
    return paint::finished(image);
}

} // namespace

QImage paintWords(Words which, int scale) {
    switch (which) {
    case Words::SpeedMode:
        return blueWords({184, 54}, QStringLiteral("スピードモード"), 11, 0.8, scale);
    case Words::CarefulMode:
        return blueWords({184, 54}, QStringLiteral("じっくりモード"), 11, 0.8, scale);
    case Words::EndGame:
        return orangeWords(QStringLiteral("終了"), scale);
    case Words::HowToPlay:
        return orangeWords(QStringLiteral("遊び方"), scale);
    case Words::AnotherGame:
        return orangeWords(QStringLiteral("再挑戦"), scale);
    case Words::Menu:
        return blueWords({108, 31}, QStringLiteral("メニュー"), 7, 0.5, scale);
    case Words::Exists:
        return answerWords(QStringLiteral("ある"), scale);
    case Words::MadeUp:
        return answerWords(QStringLiteral("ない"), scale);
    }
    return {};
}

QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    // A red seal with a white kanji, the emblem of the game.
    const QRectF seal(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QRadialGradient red(seal.center() - QPointF(s * 0.15, s * 0.2), s * 0.9);
    red.setColorAt(0, QColor(232, 62, 52));
    red.setColorAt(1, QColor(150, 16, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawRoundedRect(seal, s * 0.16, s * 0.16);
    // 漢 turns to a blot below 32 pixels; the small icons carry the plainer 字 instead.
    const bool small = size < 32;
    const qreal margin = small ? s * 0.1 : s * 0.12;
    const QRectF inner = seal.adjusted(margin, margin, -margin, -margin);
    const QPainterPath glyph =
        text::fitted(small ? QStringLiteral("字") : QStringLiteral("漢"), inner);
    paint::ink(painter, glyph, QColor(255, 248, 236), small ? 0.45 : s * 0.018 + 0.3);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace artwork
