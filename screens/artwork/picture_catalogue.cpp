#include "screens/artwork/picture_catalogue.h"

#include "screens/artwork/gauge_art.h"

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
        all.append({wordsFile(which), [which] { return words(which); }});
    all.append({titleFile(), title});
    for (int radical = 1; radical <= 6; ++radical)
        all.append({radicalFile(radical), [radical] { return radicalShape(radical); }});
    all.append({playPanelFile(), playPanel});
    all.append({gaugeFile(), emptyGauge});
    for (const int size : kIconSizes)
        all.append({iconFile(size), [size] { return iconImage(size); }});
    return all;
}

} // namespace artwork::catalogue
