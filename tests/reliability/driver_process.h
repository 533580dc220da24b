#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs the game driver (the real program playing a script) as a child process, bounded in time
// so that a hang fails the test instead of blocking it.
namespace driver_process {

struct Outcome {
    bool finished = false; ///< false: it hung and was killed, or could not start
    int exitCode = -1;
    bool crashed = false;
    QString output; ///< what it wrote on stdout: message texts, probes, failed steps
};

/// Runs `program` with `arguments` and the environment `environment`, at most `timeoutMs`.
inline Outcome run(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment, int timeoutMs = 60000) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    // Text mode: a Windows program ends its lines with "\r\n".
    process.start(program, arguments, QIODevice::ReadWrite | QIODevice::Text);
    Outcome outcome;
    if (!process.waitForStarted(timeoutMs))
        return outcome;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        outcome.output = QString::fromUtf8(process.readAllStandardOutput());
        return outcome;
    }
    outcome.finished = true;
    outcome.crashed = process.exitStatus() == QProcess::CrashExit;
    outcome.exitCode = process.exitCode();
    outcome.output = QString::fromUtf8(process.readAllStandardOutput());
    return outcome;
}

/// The environment of a test child: offscreen, and a runtime folder of its own.
inline QProcessEnvironment offscreenEnvironment(const QString& runtimeDir) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    return environment;
}

/// Copies the content folder `from` (data and sounds) into `to`.
inline bool copyContent(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(from).relativeFilePath(source);
        if (!relative.startsWith(QLatin1String("data/")) &&
            !relative.startsWith(QStringLiteral("音/")))
            continue;
        const QString target = to + QLatin1Char('/') + relative;
        // Read and written plainly: QFile::copy syncs every file to the disk, which takes
        // seconds for the whole content.
        QFile in(source);
        QFile out(target);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !in.open(QIODevice::ReadOnly) ||
            !out.open(QIODevice::WriteOnly))
            return false;
        const QByteArray bytes = in.readAll();
        if (out.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

} // namespace driver_process
