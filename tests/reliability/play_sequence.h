#pragma once

#include "screens/navigator.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_reporter.h"
#include "tests/support/scripted_random.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <deque>

/// Figures of a run of sequences.
struct SequenceStats {
    long sequences = 0;
    long events = 0;
    long checks = 0;     ///< invariants evaluated
    long draws = 0;      ///< questions seen drawn
    long judgements = 0; ///< answers seen judged
    long ratings = 0;    ///< games seen rated
};

/// One random sequence of player events on one play screen, reached through the real menu and
/// navigator: answer presses, timer ticks after the clock moves on (small steps, big jumps,
/// midnight), another game, back to the menu and in again. After every event the screen is
/// read through its widgets and held against a model of the game and the rules.
///
/// The content must hold radical 5 with the real characters 0..39 and the made-up 101..140, and
/// radical 2 with exactly 31 different characters: the real 0..15 and the made-up 150..164.
/// A character is real exactly when its number is below 100.
class PlaySequence {
public:
    PlaySequence(const QString& appPath, bool speed, std::uint64_t seed, SequenceStats& stats);

    /// Runs the sequence; returns the failure with the seed and every event so far, or empty.
    QString run();

private:
    enum class Kind { Press, Tick, Midnight, Another, Reopen };
    struct Event {
        Kind kind;
        int button = 0;
        double seconds = 0.0;
    };
    struct Seen {
        bool playScreen = false;
        int label2 = 0;
        QString label1;
        int green = 0;
        int red = 0;
        bool image3 = false;
        int character = -1;
        bool command3 = false;
        bool image4 = false;
        int answerClocks = 0; // Timer3..Timer6 running
    };

    double uniform();
    Event choose();
    QString describe(const Event& event) const;
    bool apply(const Event& event);
    /// On the menu: radical, then this sequence's mode; a new game starts.
    bool enterScreen(int radical);
    bool click(const QString& name);
    void deliverTicks();
    QString look(Seen& seen);
    QString check(const Event* event);
    QString drawn(int character);
    void startGame();
    bool isReal(int character) const { return character < 100; }
    bool command3Shown() const;

    bool m_speed;
    std::uint64_t m_seed;
    std::uint64_t m_choices;
    SequenceStats& m_stats;
    FakeClock m_clock{36000.0};
    ScriptedRandom m_random;
    RecordingReporter m_reporter;
    Navigator m_navigator;
    QStringList m_log;
    double m_pressShare = 0.5;
    double m_smallTickShare = 0.5;
    double m_reopenShare = 0.01;

    // The model of the screen's game; the window and flags live as long as the navigator.
    std::deque<int> m_window;
    std::array<bool, 220> m_flags{};
    int m_gamesStarted = 0;
    QList<int> m_gameCharacters;
    int m_drawn = 0;
    int m_correct = 0;
    int m_wrong = 0;
    int m_current = -1;
    int m_pending = 0;
    bool m_rated = false;
};
