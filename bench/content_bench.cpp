// Run time of the content generator and size of the content it lays out (not a test; run by
// hand): content_bench [RUNS]
#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

struct Size {
    qint64 bytes = 0;
    int files = 0;
};

Size sizeOf(const QString& dir) {
    Size size;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        size.bytes += it.fileInfo().size();
        ++size.files;
    }
    return size;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int runs = std::max(1, app.arguments().value(1, QStringLiteral("5")).toInt());
    QList<qint64> times;
    Size size;
    Size perFolder[2];
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir out;
        QProcess generator;
        QElapsedTimer timer;
        timer.start();
        generator.start(QStringLiteral(KQ_CONTENT_GENERATOR),
                        {QStringLiteral(KQ_CONTENT_TABLE), out.path()});
        if (!generator.waitForFinished(120000) || generator.exitCode() != 0) {
            std::fprintf(stderr, "generator failed: %s\n",
                         generator.readAllStandardError().constData());
            return 1;
        }
        times.append(timer.elapsed());
        size = sizeOf(out.path());
        perFolder[0] = sizeOf(out.filePath(QStringLiteral("data")));
        perFolder[1] = sizeOf(out.filePath(QStringLiteral("音")));
    }
    std::sort(times.begin(), times.end());
    qint64 total = 0;
    for (const qint64 t : times)
        total += t;
    std::printf("content generator, %d runs: fastest %lld ms, median %lld ms, mean %lld ms\n", runs,
                static_cast<long long>(times.first()),
                static_cast<long long>(times.at(times.size() / 2)),
                static_cast<long long>(total / runs));
    std::printf("content: %d files, %lld bytes (%.2f MiB; data/ %lld bytes in %d files, 音/ %lld "
                "bytes in %d files)\n",
                size.files, static_cast<long long>(size.bytes), size.bytes / 1048576.0,
                static_cast<long long>(perFolder[0].bytes), perFolder[0].files,
                static_cast<long long>(perFolder[1].bytes), perFolder[1].files);
    return 0;
}
