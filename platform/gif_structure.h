#pragma once

#include <QByteArray>
#include <QString>

/// True when `bytes` start with a GIF signature ("GIF87a" or "GIF89a").
bool isGifSignature(const QByteArray& bytes);

/// Walks the blocks of a GIF file and returns what is wrong with them in Japanese, or an empty
/// string when every block is whole and at least one image is present.
QString gifStructureFault(const QByteArray& bytes);
