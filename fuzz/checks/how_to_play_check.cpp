#include "fuzz/checks/how_to_play_check.h"

#include "fuzz/checks/check_rule.h"
#include "shell/content_error.h"
#include "shell/cp932.h"
#include "shell/how_to_play.h"

// The bytes themselves need not come back from decoding and encoding: the code page has
// duplicate codes (0xED40 and 0xFA5C both read as U+7E8A), so only the text is compared.

namespace {

// The lines a decoded text must give: CR LF, a lone CR and a lone LF each end a line, and one
// final line end adds no empty line; an end-of-file mark (0x1A) as the last byte is no line.
QStringList expectedLines(QString text) {
    if (text.endsWith(QChar(0x1a)))
        text.chop(1);
    if (text.isEmpty())
        return {};
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

bool isLeadByte(uchar b) {
    return (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
}

// Code page 932's characters are one byte, or a lead byte and a trail byte; each becomes one
// UTF-16 unit. A single byte reads as itself below 0x80 (0x5C and 0x7E included) and as a
// half-width katakana from 0xA1 to 0xDF.
bool charactersMatchBytes(const QByteArray& bytes, const QString& text) {
    qsizetype at = 0;
    for (qsizetype i = 0; i < bytes.size(); ++at) {
        if (at >= text.size())
            return false;
        const auto b = uchar(bytes[i]);
        const char16_t unit = text.at(at).unicode();
        if (isLeadByte(b)) {
            i += 2;
            continue;
        }
        if (b < 0x80 && unit != b)
            return false;
        if (b >= 0xa1 && b <= 0xdf && unit != 0xff61 + (b - 0xa1))
            return false;
        ++i;
    }
    return at == text.size();
}

enum class Shape { Broken, SingleBytesOnly, HasDoubleBytes };

// What the bytes are, judged by the code page's layout alone: a byte no character starts with,
// a lead byte at the end or before a byte that cannot follow it is broken; otherwise the text is
// single bytes only (always readable) or has double-byte characters (readable if assigned).
Shape shapeOf(const QByteArray& bytes) {
    bool doubleBytes = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = uchar(bytes[i]);
        if (b == 0x80 || b == 0xa0 || b >= 0xfd)
            return Shape::Broken;
        if (!isLeadByte(b))
            continue;
        if (i + 1 == bytes.size())
            return Shape::Broken;
        const auto trail = uchar(bytes[++i]);
        if (trail < 0x40 || trail == 0x7f || trail > 0xfc)
            return Shape::Broken;
        doubleBytes = true;
    }
    return doubleBytes ? Shape::HasDoubleBytes : Shape::SingleBytesOnly;
}

} // namespace

QString checkHowToPlay(const QByteArray& bytes) {
    const QString fileName = QStringLiteral("/game/data/遊び方.txt");
    const std::optional<QString> decoded = decodeCp932(bytes);
    const Shape shape = shapeOf(bytes);
    KQ_EXPECT(shape != Shape::Broken || !decoded.has_value());
    KQ_EXPECT(shape != Shape::SingleBytesOnly || decoded.has_value());
    QStringList lines;
    try {
        lines = parseHowToPlay(bytes, fileName);
    } catch (const ContentError& error) {
        KQ_EXPECT(!decoded.has_value());
        KQ_EXPECT(error.file() == fileName);
        KQ_EXPECT(!error.fault().isEmpty());
        return {};
    }
    KQ_EXPECT(decoded.has_value());
    for (const QString& line : lines)
        KQ_EXPECT(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    KQ_EXPECT(lines == expectedLines(*decoded));
    // A bad byte must be an error, never a replacement character.
    KQ_EXPECT(!decoded->contains(QChar(0xfffd)));
    KQ_EXPECT(charactersMatchBytes(bytes, *decoded));
    const std::optional<QByteArray> encoded = encodeCp932(*decoded);
    KQ_EXPECT(encoded.has_value());
    KQ_EXPECT(decodeCp932(*encoded) == decoded);
    return {};
}
