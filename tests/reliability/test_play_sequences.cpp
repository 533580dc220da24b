#include "play_sequence.h"
#include "shell/content_paths.h"
#include "tests/support/test_content.h"
#include "tools/content/gif_writer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

// Random play on the real screens: seeded, repeatable sequences of presses, ticks, clock jumps
// (midnight included), another game and trips to the menu, with the rules checked after every
// event. KQ_SEQUENCES=<n> sets the sequences per screen; a long run on demand lifts QtTest's
// five-minute limit on a test function:
//   KQ_SEQUENCES=10000 QTEST_FUNCTION_TIMEOUT=86400000 test_play_sequences
// KQ_SEED=<seed> replays the one sequence that a failure printed.
class TestPlaySequences : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void randomSequences_data();
    void randomSequences();

private:
    std::unique_ptr<TestContent> m_content;
};

void TestPlaySequences::initTestCase() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_content = std::make_unique<TestContent>();
    QVERIFY(m_content->isValid());
    // Radical 5: 80 characters, character 0 among them. Radical 2: exactly 31 different
    // characters, so that every draw past the 30th has a single character left to take.
    m_content->writeList(5, 'o', test_files::range(0, 40));
    m_content->writeList(5, 'x', test_files::range(101, 40));
    m_content->writeList(2, 'o', test_files::range(0, 16));
    m_content->writeList(2, 'x', test_files::range(150, 15));
    // Character pictures in the colours of TestContent, but small: decoding a picture at every
    // question is most of the run time, and the rules do not depend on the picture's size.
    for (int n :
         test_files::range(0, 40) + test_files::range(101, 40) + test_files::range(150, 15)) {
        QImage image(10, 16, QImage::Format_Indexed8);
        image.setColorTable({TestContent::characterColour(n)});
        image.fill(0);
        QVERIFY(test_files::write(content_paths::characterPicture(m_content->appPath(), n),
                                  content::encodeGif(image)));
    }
    m_content->writeHowToPlay("rules\r\n");
}

void TestPlaySequences::randomSequences_data() {
    QTest::addColumn<bool>("speed");
    QTest::addColumn<int>("defaultCount");
    QTest::newRow("careful") << false << 150;
    QTest::newRow("speed") << true << 200;
}

void TestPlaySequences::randomSequences() {
    QFETCH(bool, speed);
    QFETCH(int, defaultCount);
    const int count = qEnvironmentVariableIsSet("KQ_SEQUENCES")
                          ? qEnvironmentVariableIntValue("KQ_SEQUENCES")
                          : defaultCount;
    const bool replay = qEnvironmentVariableIsSet("KQ_SEED");
    const std::uint64_t firstSeed =
        replay ? qEnvironmentVariable("KQ_SEED").toULongLong() : (speed ? 500000 : 1);

    SequenceStats stats;
    QElapsedTimer elapsed;
    elapsed.start();
    for (int i = 0; i < (replay ? 1 : count); ++i) {
        PlaySequence sequence(m_content->appPath(), speed, firstSeed + i, stats);
        const QString fault = sequence.run();
        if (!fault.isEmpty())
            QFAIL(qPrintable(fault));
        if ((i + 1) % 1000 == 0)
            qInfo("%d sequences, %ld events, %ld invariants checked", i + 1, stats.events,
                  stats.checks);
    }
    qInfo("%s: %ld sequences, %ld events, %ld invariants checked, %ld questions drawn, "
          "%ld judged, %ld games rated, %lld ms",
          speed ? "speed" : "careful", stats.sequences, stats.events, stats.checks, stats.draws,
          stats.judgements, stats.ratings, static_cast<long long>(elapsed.elapsed()));
    // The sequences must reach the end of games, or the rating and another game go untested.
    QVERIFY(stats.ratings > 0);
    QVERIFY(stats.judgements > 0);
}

QTEST_MAIN(TestPlaySequences)
#include "test_play_sequences.moc"
