// CPU cost of whole games on the round engine, without any screen: what the rules themselves
// cost per game and per answer. Prints figures; not a test.

#include "careful/careful_flow.h"
#include "tests/support/fake_clock.h"
#include "tests/support/scripted_random.h"

#include <QCoreApplication>
#include <QTextStream>
#include <ctime>
#include <vector>

namespace {

// A view that does nothing, so that only the engine is measured.
class NullView : public PlayView {
public:
    void setText(PlayText, const QString&) override {}
    void setShown(PlayControl, bool) override {}
    void loadRadicalPicture(const QString&) override {}
    void loadCharacterPicture(const QString&) override {}
    void loadRatingPicture(Rating, const QString&) override {}
    void loadCountdownPicture(int, const QString&) override {}
    void loadGauge(const QString&) override {}
    void fillGauge(int, int, GaugeFill) override {}
    void playSound(const QString&) override {}
    void setTimerRunning(PlayTimer, bool) override {}
};

struct Figures {
    double cpuSeconds = 0;
    long answers = 0;
};

Figures carefulGames(SharedState& shared, int games) {
    GameState state;
    NullView view;
    ScriptedRandom random(1); // a cheap generator: the figures show the engine
    FakeClock clock(36000.0);
    CarefulFlow flow(PlayPorts{shared, state, view, random, clock});
    long answers = 0;
    const std::clock_t start = std::clock();
    flow.load();
    for (int game = 0; game < games; ++game) {
        for (int q = 0; q < kQuestionsPerGame; ++q)
            flow.pressAnswer(q % 3 == 0 ? 1 : int(state.currentKind) - 1);
        clock.advance(2.0);
        flow.tick(PlayTimer::EndOfGameWait);
        flow.anotherGame();
        answers += kQuestionsPerGame;
    }
    Figures figures;
    figures.cpuSeconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    figures.answers = answers;
    return figures;
}

void fillLists(SharedState& shared, int oCount, int xCount) {
    shared.appPath = QStringLiteral("/game");
    shared.radicalNo = 1;
    shared.oCount = static_cast<std::int16_t>(oCount);
    shared.xCount = static_cast<std::int16_t>(xCount);
    for (int i = 1; i <= oCount; ++i)
        shared.oList[i] = static_cast<std::int16_t>(i);
    for (int i = 1; i <= xCount; ++i)
        shared.xList[i] = static_cast<std::int16_t>(oCount + i);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const int games = 10000;
    struct Case {
        const char* name;
        int oCount;
        int xCount;
    };
    const std::vector<Case> cases = {{"lists of 40 + 40", 40, 40},
                                     {"lists of 110 + 109", 110, 109},
                                     {"lists of 16 + 15", 16, 15}};
    out << "careful games on the round engine, null view, " << games << " games each\n";
    for (const Case& c : cases) {
        SharedState shared;
        fillLists(shared, c.oCount, c.xCount);
        const Figures figures = carefulGames(shared, games);
        out << QStringLiteral("  %1: %2 s CPU, %3 us per game, %4 us per answer\n")
                   .arg(QString::fromLatin1(c.name))
                   .arg(figures.cpuSeconds, 0, 'f', 3)
                   .arg(figures.cpuSeconds * 1e6 / games, 0, 'f', 1)
                   .arg(figures.cpuSeconds * 1e6 / figures.answers, 0, 'f', 3);
    }
    return 0;
}
