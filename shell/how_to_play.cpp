#include "shell/how_to_play.h"

#include "shell/content_error.h"
#include "shell/content_file.h"
#include "shell/cp932.h"

QStringList parseHowToPlay(const QByteArray& bytes, const QString& fileName) {
    std::optional<QString> text = decodeCp932(bytes);
    if (!text)
        throw ContentError(
            fileName,
            QStringLiteral("Shift_JIS（コードページ932）の文字として読めないバイトがあります。"));
    // Old editors end a text file with the end-of-file mark Ctrl-Z (0x1A): it is not a line.
    if (text->endsWith(QChar(0x1a)))
        text->chop(1);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text->size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text->at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text->mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text->at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text->mid(start));
    return lines;
}

QStringList loadHowToPlay(const QString& path) {
    return parseHowToPlay(readContentFile(path, kLargeFileLimit), path);
}
