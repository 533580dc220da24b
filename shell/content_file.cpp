#include "shell/content_file.h"

#include "shell/content_error.h"

#include <QFile>
#include <QFileInfo>

QByteArray readContentFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        throw ContentError(path, QStringLiteral("ファイルが見つかりません。"));
    if (info.isDir())
        throw ContentError(path, QStringLiteral("ファイルではなくフォルダーです。"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(path,
                           QStringLiteral("ファイルを開けません（%1）。").arg(file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw ContentError(path,
                           QStringLiteral("ファイルを読めません（%1）。").arg(file.errorString()));
    return bytes;
}
