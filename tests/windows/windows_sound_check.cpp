// The Windows game's sound, heard: a PulseAudio server of this check's own plays into a null
// sink whose monitor is recorded, while the Windows build's SoundPlayer (sound_probe.exe beside
// the unpacked game, under Wine, whose sound goes to that server) plays each of the game's seven
// sounds. Each must be found in the recording by its file and heard whole.
//   windows_sound_check WINE_RUN PROBE_EXE SOUND_FOLDER
// WINE_RUN runs a Windows program; SOUND_FOLDER is the game's 音 folder seen from Linux.
#include "facts/content_catalogue.h"
#include "tests/support/heard_sounds.h"
#include "tests/support/private_pulse_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace {

// A play with faults is played again only when the server reported an underrun during it (Wine's
// client of the server ran short of samples); a fault without one fails at once.
constexpr int kPlays = 4;

bool readLine(QProcess& probe, QByteArray& line, int timeoutMs) {
    while (!probe.canReadLine())
        if (!probe.waitForReadyRead(timeoutMs))
            return false;
    line = probe.readLine().trimmed();
    return true;
}

struct Play {
    Hearing hearing;
    QString error;         ///< the play could not be made
    std::int64_t from = 0; ///< when the first sound was asked for (steady clock)
};

// One run of the probe: the seven sounds, each heard to its end before the next.
Play playOnce(PrivatePulseServer& server, const QStringList& args) {
    const QDir soundFolder(args[3]);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : server.clientEnvironment())
        if (name == QLatin1String("PULSE_SERVER")) // Wine keeps its own home and runtime folder
            environment.insert(name, value);
    // Wine's client of the server takes its period from the server's buffer: 20 ms by default,
    // with a Windows buffer of three periods, which the stalls of a virtual machine's processors
    // outlast. With 100 ms held by the server, as the Linux test holds 30 ms of its player's, the
    // period is 40 ms.
    environment.insert(QStringLiteral("PULSE_LATENCY_MSEC"), QStringLiteral("100"));
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(args[1], {args[2]}, QIODevice::ReadWrite | QIODevice::Text);
    QByteArray line;
    if (!probe.waitForStarted(30000) || !readLine(probe, line, 60000))
        return {{}, QStringLiteral("the probe did not start: %1").arg(probe.errorString())};
    if (line != "open")
        return {{},
                QStringLiteral("the Windows sound output did not open (%1)").arg(QString(line))};
    // As in the game, whose output opens at the menu, seconds before the first sound.
    QThread::msleep(2000);

    std::vector<SoundCall> calls;
    for (const QStringView name : content_catalogue::kAllSounds) {
        const QString file = name.toString();
        SoundCall call{0, file, wavSamples(soundFolder.filePath(file))};
        if (call.samples.empty())
            return {{}, QStringLiteral("%1 is not a sound of the game").arg(file)};
        const auto lengthMs = static_cast<unsigned long>(call.samples.size() * 1000 / kRecordRate);
        call.ns = steadyNowNs();
        calls.push_back(call);
        probe.write(file.toUtf8() + '\n');
        if (!readLine(probe, line, 10000) || line != "played " + file.toUtf8())
            return {{}, QStringLiteral("the probe did not play %1").arg(file)};
        QThread::msleep(lengthMs + 300);
    }
    const bool recorded = server.waitUntilRecorded(steadyNowNs(), 10000);
    probe.closeWriteChannel();
    probe.waitForFinished(30000);
    if (!recorded)
        return {{}, QStringLiteral("the recording stopped")};
    Play play{hear(server.recording(), calls), {}, calls.front().ns};
    // Found and heard to its end counts, whatever else the hearing says.
    for (const HeardSound& sound : play.hearing.sounds)
        if (!sound.found || sound.heardShare < 0.95)
            play.hearing.faults << QStringLiteral("%1 is heard for %2 %")
                                       .arg(sound.name)
                                       .arg(sound.heardShare * 100, 0, 'f', 0);
    return play;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: windows_sound_check WINE_RUN PROBE_EXE SOUND_FOLDER\n");
        return 2;
    }
    PrivatePulseServer server;
    if (!server.start()) {
        std::fprintf(stderr, "windows_sound_check: %s\n", qPrintable(server.error()));
        return 1;
    }
    for (int round = 1; round <= kPlays; ++round) {
        const Play play = playOnce(server, args);
        if (!play.error.isEmpty()) {
            std::fprintf(stderr, "windows_sound_check: %s\n", qPrintable(play.error));
            return 1;
        }
        // Those while the sounds played; the stream's start and end have their own.
        const std::vector<std::int64_t> all = server.underruns();
        const auto underruns = static_cast<std::size_t>(std::count_if(
            all.begin(), all.end(), [&](std::int64_t ns) { return ns >= play.from; }));
        std::printf("play %d of at most %d (%zu underruns of the server):\n", round, kPlays,
                    underruns);
        int whole = 0;
        for (const HeardSound& sound : play.hearing.sounds) {
            std::printf("  %-12s %s onset %5.1f ms  gain %.2f  heard %3.0f %%\n",
                        qPrintable(sound.name), sound.found ? "found    " : "NOT FOUND",
                        sound.onsetMs, sound.gain, sound.heardShare * 100);
            whole += sound.found && sound.heardShare >= 0.95;
        }
        for (const QString& fault : play.hearing.faults)
            std::printf("  fault: %s\n", qPrintable(fault));
        std::printf("  %d of %zu sounds heard whole\n", whole, play.hearing.sounds.size());
        if (play.hearing.faults.isEmpty())
            return 0;
        if (underruns == 0)
            return 1; // not the server's doing: the player's
    }
    return 1;
}
