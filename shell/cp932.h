#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Code page 932 (Shift-JIS) in one place: cp932.cpp through Qt's decoder (ICU),
// cp932_windows.cpp through Windows' own conversion, as Qt for Windows lacks ICU.

/// The text of `bytes` decoded as code page 932, or nothing when a byte sequence is not valid
/// code page 932 or no decoder is available.
std::optional<QString> decodeCp932(const QByteArray& bytes);

/// `text` encoded as code page 932, or nothing when a character has no code in it.
std::optional<QByteArray> encodeCp932(const QString& text);
