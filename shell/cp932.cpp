#include "shell/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* kEncodingName = "Shift_JIS";

// ICU's tables for this code page come from IBM's, which trade three control codes: bytes 0x1A,
// 0x1C and 0x7F read as U+001C, U+007F and U+001A. Code page 932 reads every byte below 0x80 as
// itself, so the three are put back (only where the converter in use trades them).
bool convertsControlsLikeIbm() {
    static const bool trades = [] {
        QStringDecoder decoder(kEncodingName, QStringConverter::Flag::Stateless);
        return decoder.isValid() && decoder.decode(QByteArray("\x1a")) == QStringLiteral("\x1c");
    }();
    return trades;
}

// Maps each of U+001A, U+001C, U+007F to the next one in `cycle`.
void cycleControls(QString& text, const char16_t (&cycle)[3]) {
    for (QChar& c : text) {
        for (int i = 0; i < 3; ++i) {
            if (c.unicode() == cycle[i]) {
                c = QChar(cycle[(i + 1) % 3]);
                break;
            }
        }
    }
}
} // namespace

std::optional<QString> decodeCp932(const QByteArray& bytes) {
    QStringDecoder decoder(kEncodingName, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    if (convertsControlsLikeIbm())
        cycleControls(text, {0x1c, 0x1a, 0x7f});
    return text;
}

std::optional<QByteArray> encodeCp932(const QString& text) {
    QStringEncoder encoder(kEncodingName, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QString source = text;
    if (convertsControlsLikeIbm())
        cycleControls(source, {0x1a, 0x1c, 0x7f});
    QByteArray bytes = encoder.encode(source);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}
