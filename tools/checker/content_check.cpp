#include "tools/checker/content_check.h"

#include "artwork/gauge_art.h"
#include "artwork/gauge_check.h"
#include "facts/content_catalogue.h"
#include "facts/radicals.h"
#include "platform/picture_loader.h"
#include "round/playable_lists.h"
#include "shell/content_error.h"
#include "shell/content_file.h"
#include "shell/content_paths.h"
#include "shell/how_to_play.h"
#include "shell/word_list.h"

#include <QSize>
#include <QtEndian>
#include <set>

namespace content {

namespace {

namespace files = content_catalogue;

class Checker {
public:
    explicit Checker(const QString& appDir) : m_dir(content_paths::appPathFrom(appDir)) {}

    QList<Fault> run() {
        std::set<int> characters;
        for (int d = 1; d <= kRadicalCount; ++d)
            checkLists(d, characters);
        for (int d = 1; d <= kRadicalCount; ++d)
            checkPicture(content_paths::radicalPicture(m_dir, d), files::kRadicalPictureSize);
        for (const int n : characters)
            checkPicture(content_paths::characterPicture(m_dir, n), files::kCharacterPictureSize);
        for (const files::Picture& picture : files::kNamedPictures) {
            const QString file = content_paths::picture(m_dir, picture.fileName);
            if (picture.fileName == files::kGauge.fileName)
                checkGauge(file);
            else
                checkPicture(file, picture.exactSize ? picture.size : QSize());
        }
        checkText();
        for (const QStringView name : files::kAllSounds)
            checkSound(content_paths::sound(m_dir, name));
        return m_faults;
    }

private:
    void add(const QString& file, const QString& text) { m_faults.append(Fault{file, text}); }
    void add(const ContentError& error) { add(error.file(), error.fault()); }

    // Loads one list into the state; false when the file has a fault.
    bool loadList(const QString& file, std::int16_t& count, WordListArray& list) {
        try {
            count = loadWordList(file, list);
            return true;
        } catch (const ContentError& error) {
            add(error);
            return false;
        }
    }

    void checkLists(int radicalNo, std::set<int>& characters) {
        SharedState state;
        state.appPath = m_dir;
        state.radicalNo = static_cast<std::int16_t>(radicalNo);
        const QString oFile = content_paths::oListFile(m_dir, radicalNo);
        const QString xFile = content_paths::xListFile(m_dir, radicalNo);
        const bool oRead = loadList(oFile, state.oCount, state.oList);
        const bool xRead = loadList(xFile, state.xCount, state.xList);
        if (oRead)
            for (int i = 1; i <= state.oCount; ++i)
                characters.insert(state.oList[static_cast<std::size_t>(i)]);
        if (xRead)
            for (int i = 1; i <= state.xCount; ++i)
                characters.insert(state.xList[static_cast<std::size_t>(i)]);
        if (!oRead || !xRead)
            return;
        const QString why = whyUnplayable(state);
        if (!why.isEmpty())
            add(oFile + QStringLiteral(" / ") + xFile, why);
    }

    // Loads a picture; `size` empty means any size will do. Its 2x form, where there is one,
    // must decode and be twice its size; it goes to `doubled`.
    QImage checkPicture(const QString& file, QSize size, QImage* doubled = nullptr) {
        QImage picture;
        try {
            picture = loadPictureFile(file);
        } catch (const ContentError& error) {
            add(error);
            return {};
        }
        if (size.isValid() && picture.size() != size) {
            add(file,
                QStringLiteral("画像の大きさが %1 × %2 です（%3 × %4 でなければなりません）。")
                    .arg(picture.width())
                    .arg(picture.height())
                    .arg(size.width())
                    .arg(size.height()));
            return {};
        }
        try {
            const QImage twice = loadDoubleSizePicture(file, picture.size());
            if (doubled)
                *doubled = twice;
        } catch (const ContentError& error) {
            add(error);
        }
        return picture;
    }

    void checkGauge(const QString& file) {
        QImage doubled;
        const QImage gauge = checkPicture(file, files::kGauge.size, &doubled);
        if (gauge.isNull())
            return;
        for (const QString& fault : artwork::gaugeFaults(gauge))
            add(file, fault);
        if (!doubled.isNull())
            for (const QString& fault : artwork::gaugeFaults(doubled, 2))
                add(content_paths::doubleSizePicture(file), fault);
    }

    void checkText() {
        try {
            loadHowToPlay(content_paths::howToPlayFile(m_dir));
        } catch (const ContentError& error) {
            add(error);
        }
    }

    void checkSound(const QString& file) {
        try {
            const QString fault = wavFault(readContentFile(file, kLargeFileLimit));
            if (!fault.isEmpty())
                add(file, fault);
        } catch (const ContentError& error) {
            add(error);
        }
    }

    QString m_dir;
    QList<Fault> m_faults;
};

} // namespace

QList<Fault> checkContent(const QString& appDir) {
    return Checker(appDir).run();
}

QString wavFault(const QByteArray& bytes) {
    const auto u16 = [&](qsizetype at) {
        return qFromLittleEndian<quint16>(bytes.constData() + at);
    };
    const auto u32 = [&](qsizetype at) {
        return qFromLittleEndian<quint32>(bytes.constData() + at);
    };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return QStringLiteral("WAV ファイル（RIFF/WAVE）ではありません。");
    bool sawFormat = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = u32(at + 4);
        const qsizetype body = at + 8;
        if (size > quint32(bytes.size() - body))
            return QStringLiteral("「%1」チャンクがファイルの終わりで切れています。")
                .arg(QString::fromLatin1(id));
        if (id == "fmt ") {
            if (size < 16 || u16(body) != 1 || u16(body + 14) != 16)
                return QStringLiteral("16 ビット PCM の音ではありません。");
            sawFormat = true;
        } else if (id == "data") {
            if (!sawFormat)
                return QStringLiteral("「fmt 」チャンクが「data」より前にありません。");
            if (size < 2)
                return QStringLiteral("音のデータが空です。");
            return {};
        }
        at = body + size + (size & 1);
    }
    return QStringLiteral("「data」チャンクがありません。");
}

} // namespace content
