#include "artwork/picture_catalogue.h"

#include "artwork/painting.h"
#include "facts/radicals.h"

namespace artwork::catalogue {
namespace {

// "name.pixels", or "name@2x.pixels" at a scale of 2.
QString file(const QString& name, int scale) {
    return scale == 1 ? name + QStringLiteral(".pixels")
                      : QStringLiteral("%1@%2x.pixels").arg(name).arg(scale);
}

QString wordsName(Words which) {
    switch (which) {
    case Words::SpeedMode:
        return QStringLiteral("words_speed_mode");
    case Words::CarefulMode:
        return QStringLiteral("words_careful_mode");
    case Words::EndGame:
        return QStringLiteral("words_end");
    case Words::HowToPlay:
        return QStringLiteral("words_how_to_play");
    case Words::AnotherGame:
        return QStringLiteral("words_another_game");
    case Words::Menu:
        return QStringLiteral("words_menu");
    case Words::Exists:
        return QStringLiteral("words_exists");
    case Words::MadeUp:
        return QStringLiteral("words_made_up");
    }
    return {};
}

} // namespace

QString wordsFile(Words which, int scale) {
    return file(wordsName(which), scale);
}

QString titleFile(int scale) {
    return file(QStringLiteral("title"), scale);
}

QString radicalFile(int radicalNo, int scale) {
    return file(QStringLiteral("radical_%1").arg(radicalNo), scale);
}

QString playPanelFile(int scale) {
    return file(QStringLiteral("play_panel"), scale);
}

QString gaugeFile(int scale) {
    return file(QStringLiteral("gauge"), scale);
}

QString iconFile(int size) {
    return QStringLiteral("icon_%1.pixels").arg(size);
}

QList<Entry> entries() {
    QList<Entry> all;
    for (const int scale : kScales) {
        for (const Words which : kAllWords)
            all.append(
                {wordsFile(which, scale), [which, scale] { return paintWords(which, scale); }});
        all.append({titleFile(scale), [scale] { return paintTitle(scale); }});
        for (int radical = 1; radical <= kRadicalCount; ++radical)
            all.append({radicalFile(radical, scale),
                        [radical, scale] { return paintRadicalShape(radical, scale); }});
        all.append({playPanelFile(scale), [scale] { return paintPlayPanel(scale); }});
        all.append({gaugeFile(scale), [scale] { return paintEmptyGauge(scale); }});
    }
    for (const int size : kIconSizes)
        all.append({iconFile(size), [size] { return paintIcon(size); }});
    return all;
}

} // namespace artwork::catalogue
