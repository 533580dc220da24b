#include "shell/content_paths.h"

#include "facts/content_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>

namespace content_paths {

QString appPathFrom(const QString& reportedDirectory) {
    QString path = reportedDirectory;
    if (path.endsWith(QLatin1Char('\\')) || path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

QString appPathOfProgram() {
    // Qt reports the folder with "/" on every platform.
    return appPathFrom(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
}

QString join(const QString& appPath, QStringView relative) {
    QString tail = relative.toString();
    tail.replace(QLatin1Char('\\'), QDir::separator());
    return appPath + tail;
}

QString radicalDigit(int radicalNo) {
    return QString::number(radicalNo).right(1);
}

QString oListFile(const QString& appPath, int radicalNo) {
    return join(appPath, QStringLiteral("\\data\\ox\\h%1o.dat").arg(radicalDigit(radicalNo)));
}

QString xListFile(const QString& appPath, int radicalNo) {
    return join(appPath, QStringLiteral("\\data\\ox\\h%1x.dat").arg(radicalDigit(radicalNo)));
}

QString kanjiTableFile(const QString& appPath) {
    return join(appPath, QStringLiteral("\\data\\ox\\kanji.tsv"));
}

QString howToPlayFile(const QString& appPath) {
    return join(appPath, QStringLiteral("\\data\\遊び方.txt"));
}

QString radicalPicture(const QString& appPath, int radicalNo) {
    return picture(appPath, QStringLiteral("h%1.gif").arg(radicalDigit(radicalNo)));
}

QString characterPicture(const QString& appPath, int characterNo) {
    return picture(appPath, QStringLiteral("b%1.gif").arg(characterNo));
}

QString picture(const QString& appPath, QStringView fileName) {
    return join(appPath, QStringLiteral("\\data\\画像\\") + fileName.toString());
}

QString sound(const QString& appPath, QStringView fileName) {
    return join(appPath, QStringLiteral("\\音\\") + fileName.toString());
}

QString doubleSizePicture(const QString& picturePath) {
    const qsizetype dot = picturePath.lastIndexOf(u'.');
    const qsizetype separator =
        std::max(picturePath.lastIndexOf(u'/'), picturePath.lastIndexOf(u'\\'));
    const qsizetype at = dot > separator ? dot : picturePath.size();
    return QString(picturePath).insert(at, content_catalogue::kDoubleSizeMark);
}

} // namespace content_paths
