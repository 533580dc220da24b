// Checks a content directory: content_checker DIR (the directory holding data/ and 音/).
// Prints every fault, one a line, and exits 0 only when there is none.
#include "tools/checker/content_check.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Pictures are decoded without a screen, on any machine.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: content_checker CONTENT_DIR\n");
        return 2;
    }
    const QList<content::Fault> faults = content::checkContent(args.at(1));
    for (const content::Fault& fault : faults)
        std::printf("%s: %s\n", fault.file.toUtf8().constData(), fault.text.toUtf8().constData());
    if (faults.isEmpty()) {
        std::printf("content is clean: %s\n", args.at(1).toUtf8().constData());
        return 0;
    }
    std::printf("%lld fault(s)\n", static_cast<long long>(faults.size()));
    return 1;
}
