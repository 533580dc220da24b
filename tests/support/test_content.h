#pragma once

#include "tests/support/test_files.h"

#include <QList>
#include <QRgb>
#include <QString>
#include <QTemporaryDir>

/// A content directory that a screen test lays out for itself: word lists, pictures in the
/// game's GIF format and the how-to-play text. Every character picture is one solid colour that
/// names its character, so a test can tell from Image3 which character is shown.
class TestContent {
public:
    TestContent();

    /// AppPath of this content.
    QString appPath() const { return m_dir.path(); }
    bool isValid() const { return m_dir.isValid(); }

    /// Writes a word list ('o' or 'x') of `radical` as the content generator writes one.
    void writeList(int radical, char kind, const QList<int>& items);
    /// Removes a word list.
    void removeList(int radical, char kind);
    /// Writes the how-to-play text as raw bytes.
    void writeHowToPlay(const QByteArray& bytes);
    /// Writes the optional kanji table beside the word lists as raw bytes.
    void writeKanjiTable(const QByteArray& bytes);
    /// Writes the character pictures of `characters`.
    void writeCharacterPictures(const QList<int>& characters);

    /// The solid colour of character `characterNo`'s picture.
    static QRgb characterColour(int characterNo);
    /// The solid colour of radical `radicalNo`'s picture.
    static QRgb radicalColour(int radicalNo);
    /// The solid colour of a medal, crow or countdown picture by file name ("gmedal.gif"...).
    static QRgb namedColour(const QString& fileName);

private:
    void writePicture(const QString& path, int width, int height, QRgb colour);
    void writeCommonPictures();

    QTemporaryDir m_dir;
};
