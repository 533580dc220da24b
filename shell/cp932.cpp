#include "shell/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* kEncodingName = "Shift_JIS";
}

std::optional<QString> decodeCp932(const QByteArray& bytes) {
    QStringDecoder decoder(kEncodingName, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QByteArray> encodeCp932(const QString& text) {
    QStringEncoder encoder(kEncodingName, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return std::nullopt;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}
