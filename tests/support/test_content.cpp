#include "tests/support/test_content.h"

#include "artwork/gauge_art.h"
#include "artwork/painting.h"
#include "facts/content_catalogue.h"
#include "facts/radicals.h"
#include "shell/content_paths.h"
#include "tools/content/content_writer.h"
#include "tools/content/gif_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace {

namespace files = content_catalogue;

void writeFile(const QString& path, const QByteArray& bytes) {
    if (!test_files::write(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

TestContent::TestContent() {
    writeCommonPictures();
}

void TestContent::writeList(int radical, char kind, const QList<int>& items) {
    const QString path = kind == 'o' ? content_paths::oListFile(appPath(), radical)
                                     : content_paths::xListFile(appPath(), radical);
    writeFile(path, content::ContentWriter::wordListBytes(items));
}

void TestContent::removeList(int radical, char kind) {
    QFile::remove(kind == 'o' ? content_paths::oListFile(appPath(), radical)
                              : content_paths::xListFile(appPath(), radical));
}

void TestContent::writeHowToPlay(const QByteArray& bytes) {
    writeFile(content_paths::howToPlayFile(appPath()), bytes);
}

void TestContent::writeKanjiTable(const QByteArray& bytes) {
    writeFile(content_paths::kanjiTableFile(appPath()), bytes);
}

void TestContent::writeCharacterPictures(const QList<int>& characters) {
    for (int n : characters)
        writePicture(content_paths::characterPicture(appPath(), n),
                     files::kCharacterPictureSize.width(), files::kCharacterPictureSize.height(),
                     characterColour(n));
}

QRgb TestContent::characterColour(int characterNo) {
    return qRgb(characterNo, 255 - characterNo, 40);
}

QRgb TestContent::radicalColour(int radicalNo) {
    return qRgb(10 * radicalNo, 200, 200);
}

QRgb TestContent::namedColour(const QString& fileName) {
    int index = 0;
    while (index < int(files::kNamedPictures.size()) &&
           files::kNamedPictures[std::size_t(index)].fileName != fileName)
        ++index;
    return qRgb(200, 20 * (index + 1), 100);
}

void TestContent::writePicture(const QString& path, int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable({colour});
    image.fill(0);
    writeFile(path, content::encodeGif(image));
}

void TestContent::writeCommonPictures() {
    for (int radical = 1; radical <= kRadicalCount; ++radical)
        writePicture(content_paths::radicalPicture(appPath(), radical),
                     files::kRadicalPictureSize.width(), files::kRadicalPictureSize.height(),
                     radicalColour(radical));
    // Medals and the crow at a size of their own: Image5 scales them to 184 x 225; the
    // countdown pictures likewise to 138 x 88.
    for (const files::Picture& picture : files::kNamedPictures)
        if (!picture.exactSize)
            writePicture(content_paths::picture(appPath(), picture.fileName), 50, 60,
                         namedColour(picture.fileName.toString()));
    writeFile(content_paths::picture(appPath(), files::kGauge.fileName),
              content::encodeGif(artwork::paintEmptyGauge()));
}
