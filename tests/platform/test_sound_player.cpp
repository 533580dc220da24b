#include "platform/sound_player.h"
#include "tests/support/test_files.h"

#include <QDataStream>
#include <QFile>
#include <QPointer>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

namespace {

// A short 16-bit PCM mono tone as a WAV file.
QByteArray toneWav(int milliseconds, double hertz) {
    constexpr int kRate = 22050;
    const int samples = kRate * milliseconds / 1000;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * samples);
    out.writeRawData("WAVEfmt ", 8);
    // Format chunk: PCM, mono, rate, bytes a second, block size, bits a sample.
    out << quint32(16) << quint16(1) << quint16(1) << quint32(kRate) << quint32(2 * kRate)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * samples);
    for (int i = 0; i < samples; ++i)
        out << qint16(8000 * qSin(2 * M_PI * hertz * i / kRate));
    return wav;
}

} // namespace

// The game plays sounds on machines with and without a sound server; a missing or unplayable
// sound must never stop it, and no play may wait for the sound.
class TestSoundPlayer : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_chime;
    QString m_buzz;

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        if (!test_files::write(path, bytes))
            qFatal("cannot write the test sound");
        return path;
    }
    // The player's effect for `path` (each effect is named by its file).
    static QSoundEffect* effectOf(const SoundPlayer& player, const QString& path) {
        return player.findChild<QSoundEffect*>(path, Qt::FindDirectChildrenOnly);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_chime = write(QStringLiteral("o.wav"), toneWav(60, 880));
        m_buzz = write(QStringLiteral("x.wav"), toneWav(60, 180));
    }

    void preloadsEveryExistingSoundOnce() {
        const QString missing = m_dir.filePath(QStringLiteral("none.wav"));
        SoundPlayer player({m_chime, m_buzz, missing, m_chime});
        QCOMPARE(player.findChildren<QSoundEffect*>().size(), 2);
        QVERIFY(effectOf(player, m_chime));
        QVERIFY(effectOf(player, m_buzz));
        QVERIFY(!effectOf(player, missing));
    }

    void playsPreloadedAndNewSoundsAndRemembersTheLast() {
        SoundPlayer player({m_chime});
        player.play(m_chime);
        QCOMPARE(player.lastPlayed(), m_chime);
        player.play(m_buzz); // not preloaded: loaded on first use
        QCOMPARE(player.lastPlayed(), m_buzz);
        QVERIFY(effectOf(player, m_buzz));
        QCoreApplication::processEvents();
        player.play(m_chime);
        player.stop();
        QCOMPARE(player.lastPlayed(), m_chime);
    }

    // A new sound cuts off the one that plays, and replaying a sound starts it again.
    void playingStopsTheOtherSound() {
        SoundPlayer player({m_chime, m_buzz});
        player.play(m_chime);
        player.play(m_buzz);
        QVERIFY(!effectOf(player, m_chime)->isPlaying());
        player.stop();
        QVERIFY(!effectOf(player, m_buzz)->isPlaying());
    }

    void missingOrBrokenSoundIsSkippedSilently_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("not a wav") << QByteArray("RIFF....garbage", 15) << true;
    }
    void missingOrBrokenSoundIsSkippedSilently() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        const QString name = QStringLiteral("bad %1.wav").arg(QTest::currentDataTag());
        const QString path = exists ? write(name, bytes) : m_dir.filePath(name);
        SoundPlayer player({path});
        QVERIFY_THROWS_NO_EXCEPTION(player.play(path));
        QCoreApplication::processEvents();
        QVERIFY_THROWS_NO_EXCEPTION(player.play(m_chime));
        QCOMPARE(player.lastPlayed(), m_chime);
    }

    // A screen is unloaded while its sound plays; the player goes with it.
    void destroyedWhilePlaying() {
        auto* player = new SoundPlayer({m_chime});
        player->play(m_chime);
        const QPointer<QSoundEffect> effect = effectOf(*player, m_chime);
        QVERIFY(effect);
        delete player;
        QVERIFY(effect.isNull());
    }
};

QTEST_MAIN(TestSoundPlayer)
#include "test_sound_player.moc"
