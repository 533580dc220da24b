#include "screens/careful_screen.h"

#include <array>

using screen_geometry::ControlGeometry;

namespace {

// Front to back. The timers and the invisible sound player have no place on the screen.
constexpr std::array<ControlGeometry, 12> kControls{{
    {"Command3", 945, 120, 2640, 750},
    {"Picture1", 1695, 1320, 1215, 5415},
    {"Command2(1)", 6255, 5685, 2325, 900},
    {"Command2(0)", 3930, 5685, 2325, 900},
    {"Command1", 8850, 195, 1710, 540},
    {"Image5", 4350, 1620, 2760, 3375},
    {"Label2", 8625, 1725, 810, 450},
    {"Label1", 7890, 4230, 1515, 690},
    {"Image4", 960, 90, 2760, 810},
    {"Image3", 5340, 1590, 2100, 3465},
    {"Image2", 4010, 1590, 1350, 3465},
    {"Image1", 960, 1005, 9600, 6000},
}};

PlayScreenDefinition definition() {
    return {kControls, artwork::Words::CarefulMode, QStringLiteral("じっくりモード"), false};
}

} // namespace

CarefulScreen::CarefulScreen(const SharedState& shared, GameState& state, RandomSource& random,
                             const Clock& clock, ErrorPath& errorPath, QWidget* parent)
    : PlayScreen(definition(), shared, errorPath, parent),
      m_flow(PlayPorts{shared, state, *this, random, clock}) {
    setObjectName(QStringLiteral("じっくり"));
}

void CarefulScreen::onLoad() {
    m_flow.load();
}

void CarefulScreen::answerPressed(int index) {
    m_flow.pressAnswer(index);
}

void CarefulScreen::timerTicked(PlayTimer timer) {
    m_flow.tick(timer);
}

void CarefulScreen::anotherGamePressed() {
    m_flow.anotherGame();
}
