// Fuzzes picture loading as the game calls it: the bytes are written to a file, which is loaded
// by path and checked against the rules of checkPicture (a picture or a ContentError, then the
// gauge's fills).

#include "fuzz/checks/picture_check.h"
#include "fuzz/fuzz_report.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
QString g_path;

// Qt's readers warn about every broken file they see; at thousands of files a second that is
// only noise and time.
void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Qt's picture readers are plugins, found through the application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    qInstallMessageHandler(dropMessage);
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    static QTemporaryDir dir(base + QStringLiteral("/kq-fuzz-picture-XXXXXX"));
    if (!dir.isValid())
        std::abort();
    g_path = dir.filePath(QStringLiteral("b0.gif"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(g_path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort(); // the harness itself failed, not the loader
    }
    reportBrokenRule(checkPicture(g_path));
    return 0;
}
