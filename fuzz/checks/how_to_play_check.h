#pragma once

#include <QByteArray>
#include <QString>

/// Reads `bytes` with the how-to-play text reader and returns the first broken rule, or an
/// empty string. The rules: a refusal is a ContentError naming the file; bytes that break the
/// code page's layout are refused and text of single bytes only is accepted; an accepted text
/// splits into lines that hold no line end and rebuild the decoded text; every character of the
/// code page gives one character, single bytes the ones code page 932 gives them; the decoded text
/// encodes back and decodes to itself.
QString checkHowToPlay(const QByteArray& bytes);
