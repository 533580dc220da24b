// The Windows game's sound, heard: a PulseAudio server of this check's own plays into a null
// sink whose monitor is recorded, while the Windows build's SoundPlayer (sound_probe.exe beside
// the unpacked game, under Wine, whose sound goes to that server) plays each of the game's seven
// sounds. Each must be found in the recording by its file and heard whole.
//   windows_sound_check WINE_RUN PROBE_EXE SOUND_FOLDER
// WINE_RUN runs a Windows program; SOUND_FOLDER is the game's 音 folder seen from Linux.
#include "shell/content_catalogue.h"
#include "tests/support/heard_sounds.h"
#include "tests/support/private_pulse_server.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QThread>
#include <cstdio>

namespace {

bool readLine(QProcess& probe, QByteArray& line, int timeoutMs) {
    while (!probe.canReadLine())
        if (!probe.waitForReadyRead(timeoutMs))
            return false;
    line = probe.readLine().trimmed();
    return true;
}

int fail(const QString& why) {
    std::fprintf(stderr, "windows_sound_check: %s\n", qPrintable(why));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return fail(QStringLiteral("usage: windows_sound_check WINE_RUN PROBE_EXE SOUND_FOLDER"));
    const QDir soundFolder(args[3]);

    PrivatePulseServer server;
    if (!server.start())
        return fail(server.error());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : server.clientEnvironment())
        if (name == QLatin1String("PULSE_SERVER")) // Wine keeps its own home and runtime folder
            environment.insert(name, value);

    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    probe.start(args[1], {args[2]});
    QByteArray line;
    if (!probe.waitForStarted(30000) || !readLine(probe, line, 60000))
        return fail(QStringLiteral("the probe did not start: %1").arg(probe.errorString()));
    if (line != "open")
        return fail(QStringLiteral("the Windows sound output did not open (%1)")
                        .arg(QString::fromUtf8(line)));

    std::vector<SoundCall> calls;
    for (const QStringView name : content_catalogue::kAllSounds) {
        const QString file = name.toString();
        SoundCall call{0, file, wavSamples(soundFolder.filePath(file))};
        if (call.samples.empty())
            return fail(QStringLiteral("%1 is not a sound of the game").arg(file));
        const auto lengthMs = static_cast<unsigned long>(call.samples.size() * 1000 / kRecordRate);
        call.ns = steadyNowNs();
        calls.push_back(call);
        probe.write(file.toUtf8() + '\n');
        if (!readLine(probe, line, 10000) || line != "played " + file.toUtf8())
            return fail(QStringLiteral("the probe did not play %1").arg(file));
        // Heard to its end before the next one starts.
        QThread::msleep(lengthMs + 300);
    }
    const bool recorded = server.waitUntilRecorded(steadyNowNs(), 10000);
    probe.closeWriteChannel();
    probe.waitForFinished(30000);
    if (!recorded)
        return fail(QStringLiteral("the recording stopped"));

    const Hearing hearing = hear(server.recording(), calls, server.underruns());
    for (const HeardSound& sound : hearing.sounds)
        std::printf("%-12s %s onset %6.1f ms  gain %.2f  heard %3.0f %%\n", qPrintable(sound.name),
                    sound.found ? "found" : "NOT FOUND", sound.onsetMs, sound.gain,
                    sound.heardShare * 100);
    for (const QString& fault : hearing.faults)
        std::printf("fault: %s\n", qPrintable(fault));
    int found = 0;
    for (const HeardSound& sound : hearing.sounds)
        found += sound.found && sound.heardShare >= 0.95;
    std::printf("%d of %zu sounds heard whole\n", found, calls.size());
    return hearing.faults.isEmpty() && found == std::ssize(calls) ? 0 : 1;
}
