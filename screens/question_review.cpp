#include "screens/question_review.h"

#include "round/game_state.h"
#include "shell/content_paths.h"
#include "shell/radicals.h"

#include <QFileInfo>

namespace question_review {

namespace {

QString answerText(std::int16_t answer) {
    switch (answer) {
    case kKindO:
        return QStringLiteral("ある");
    case kKindX:
        return QStringLiteral("ない");
    default:
        return QStringLiteral("回答なし"); // a speed question left without an answer
    }
}

} // namespace

QString characterText(const QuestionRecord& record, const SharedState& shared) {
    const KanjiTable& table = shared.kanji;
    const QString component = table.component(record.character);
    if (component.isEmpty()) {
        // The picture's own file name, as the content folder shows it.
        const QString picture =
            QFileInfo(content_paths::characterPicture(shared.appPath, record.character)).fileName();
        return radicalName(shared.radicalNo) + QStringLiteral("＋") + picture;
    }
    const QString kanji = table.kanji(record.character, shared.radicalNo);
    if (record.kind == kKindO && !kanji.isEmpty())
        return kanji;
    return radicalShape(shared.radicalNo) + QStringLiteral("＋") + component;
}

QString readingsText(const KanjiTable::Readings& readings) {
    constexpr int kMostReadings = 5;
    constexpr int kMostMeanings = 3;
    QStringList shown = readings.on;
    for (const QString& kun : readings.kun)
        if (!kun.startsWith(u'-') && !kun.endsWith(u'-'))
            shown.append(kun);
    QStringList parts;
    if (!shown.isEmpty())
        parts.append(shown.mid(0, kMostReadings).join(QStringLiteral("・")));
    if (!readings.meanings.isEmpty())
        parts.append(readings.meanings.mid(0, kMostMeanings).join(QStringLiteral(", ")));
    return parts.join(QStringLiteral("　"));
}

QString describe(const QuestionRecord& record, const SharedState& shared) {
    const QString exists =
        record.kind == kKindO ? QStringLiteral("（ある）") : QStringLiteral("（存在しない字）");
    const QString kanji = shared.kanji.kanji(record.character, shared.radicalNo);
    const QString readings = record.kind == kKindO && !kanji.isEmpty()
                                 ? readingsText(shared.kanji.readings(kanji))
                                 : QString();
    return QStringLiteral("第 %1 問　%2%3%4　あなたの答え：%5 %6")
        .arg(record.question)
        .arg(characterText(record, shared), exists,
             readings.isEmpty() ? QString() : QStringLiteral("　") + readings,
             answerText(record.answer), record.right ? QStringLiteral("○") : QStringLiteral("✗"));
}

} // namespace question_review
