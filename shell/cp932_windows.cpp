// Code page 932 through Windows' own conversion: Qt for Windows is built without ICU, whose
// Shift_JIS converter the other builds use.
#include "shell/cp932.h"

#include <climits>
#include <windows.h>

namespace {
constexpr UINT kCodePage = 932;
} // namespace

std::optional<QString> decodeCp932(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return QString();
    if (bytes.size() > INT_MAX)
        return std::nullopt;
    const int size = static_cast<int>(bytes.size());
    // A byte sequence that is not code page 932 fails the conversion instead of becoming U+30FB.
    const int length =
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.constData(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    QString text(length, Qt::Uninitialized);
    if (MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.constData(), size,
                            reinterpret_cast<wchar_t*>(text.data()), length) != length)
        return std::nullopt;
    return text;
}

std::optional<QByteArray> encodeCp932(const QString& text) {
    if (text.isEmpty())
        return QByteArray();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int size = static_cast<int>(text.size());
    // No best fit: a character without a code of its own is refused, not swapped for a look-alike.
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, size, nullptr, 0,
                                           nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    QByteArray bytes(length, Qt::Uninitialized);
    if (WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wide, size, bytes.data(), length,
                            nullptr, &usedDefault) != length ||
        usedDefault)
        return std::nullopt;
    return bytes;
}
