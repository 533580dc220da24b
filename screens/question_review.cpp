#include "screens/question_review.h"

#include "facts/radicals.h"
#include "round/gauge_cells.h"
#include "shell/content_paths.h"

#include <QFileInfo>

namespace question_review {

namespace {

QString answerText(Answer answer) {
    switch (answer) {
    case Answer::O:
        return QStringLiteral("ある");
    case Answer::X:
        return QStringLiteral("ない");
    case Answer::None:
        break;
    }
    return QStringLiteral("回答なし"); // a speed question left without an answer
}

} // namespace

QString pictureText(int character, const SharedState& shared) {
    const QString component = shared.kanji.component(character);
    if (component.isEmpty()) {
        // The picture's own file name, as the content folder shows it.
        const QString picture =
            QFileInfo(content_paths::characterPicture(shared.appPath, character)).fileName();
        return radicalName(shared.radicalNo) + QStringLiteral("＋") + picture;
    }
    return radicalShape(shared.radicalNo) + QStringLiteral("＋") + component;
}

QString characterText(const QuestionRecord& record, const SharedState& shared) {
    const KanjiTable& table = shared.kanji;
    const QString kanji = table.component(record.character).isEmpty()
                              ? QString()
                              : table.kanji(record.character, shared.radicalNo);
    if (record.kind == Answer::O && !kanji.isEmpty())
        return kanji;
    return pictureText(record.character, shared);
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
        record.kind == Answer::O ? QStringLiteral("（ある）") : QStringLiteral("（存在しない字）");
    const QString kanji = shared.kanji.kanji(record.character, shared.radicalNo);
    const QString readings = record.kind == Answer::O && !kanji.isEmpty()
                                 ? readingsText(shared.kanji.readings(kanji))
                                 : QString();
    return QStringLiteral("第 %1 問　%2%3%4　あなたの答え：%5 %6")
        .arg(record.question)
        .arg(characterText(record, shared), exists,
             readings.isEmpty() ? QString() : QStringLiteral("　") + readings,
             answerText(record.answer), record.right ? QStringLiteral("○") : QStringLiteral("✗"));
}

QString describeCell(const GameState& state, const SharedState& shared, int cell) {
    if (cell < 1 || cell > gauge::kCells)
        return {};
    const int question = gaugeCellQuestions(state)[static_cast<std::size_t>(cell - 1)];
    if (question < 1 || question > kQuestionsPerGame)
        return {};
    return describe(state.records[static_cast<std::size_t>(question - 1)], shared);
}

} // namespace question_review
