#include "artwork/picture_catalogue.h"

#include "artwork/painting.h"
#include "shell/radicals.h"

namespace artwork::catalogue {

QString wordsFile(Words which) {
    switch (which) {
    case Words::SpeedMode:
        return QStringLiteral("words_speed_mode.pixels");
    case Words::CarefulMode:
        return QStringLiteral("words_careful_mode.pixels");
    case Words::EndGame:
        return QStringLiteral("words_end.pixels");
    case Words::HowToPlay:
        return QStringLiteral("words_how_to_play.pixels");
    case Words::AnotherGame:
        return QStringLiteral("words_another_game.pixels");
    case Words::Menu:
        return QStringLiteral("words_menu.pixels");
    case Words::Exists:
        return QStringLiteral("words_exists.pixels");
    case Words::MadeUp:
        return QStringLiteral("words_made_up.pixels");
    }
    return {};
}

QString titleFile() {
    return QStringLiteral("title.pixels");
}

QString radicalFile(int radicalNo) {
    return QStringLiteral("radical_%1.pixels").arg(radicalNo);
}

QString playPanelFile() {
    return QStringLiteral("play_panel.pixels");
}

QString gaugeFile() {
    return QStringLiteral("gauge.pixels");
}

QString iconFile(int size) {
    return QStringLiteral("icon_%1.pixels").arg(size);
}

QList<Entry> entries() {
    QList<Entry> all;
    for (const Words which : kAllWords)
        all.append({wordsFile(which), [which] { return paintWords(which); }});
    all.append({titleFile(), paintTitle});
    for (int radical = 1; radical <= kRadicalCount; ++radical)
        all.append({radicalFile(radical), [radical] { return paintRadicalShape(radical); }});
    all.append({playPanelFile(), paintPlayPanel});
    all.append({gaugeFile(), paintEmptyGauge});
    for (const int size : kIconSizes)
        all.append({iconFile(size), [size] { return paintIcon(size); }});
    return all;
}

} // namespace artwork::catalogue
