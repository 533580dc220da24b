// Word-list load of a 219-item pair (both lists of one radical, as the menu's radical button
// reads them). Prints the median time of 200 loads.
#include "shell/content_paths.h"
#include "shell/radical_choice.h"
#include "tests/support/test_files.h"
#include "tools/content/content_writer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

constexpr int kItems = 219;
constexpr int kRuns = 200;

bool writeList(const QString& path) {
    return test_files::write(path,
                             content::ContentWriter::wordListBytes(test_files::range(1, kItems)));
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !writeList(content_paths::oListFile(dir.path(), 1)) ||
        !writeList(content_paths::xListFile(dir.path(), 1)))
        return 1;
    SharedState state;
    state.appPath = dir.path();
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < kRuns; ++i) {
        timer.start();
        chooseRadical(state, 1);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e3);
    }
    if (state.oCount != kItems || state.xCount != kItems)
        return 1;
    std::sort(times.begin(), times.end());
    QTextStream(stdout) << "word-list load of a " << kItems << "-item pair: median "
                        << QString::number(times[times.size() / 2], 'f', 1) << " us, max "
                        << QString::number(times.back(), 'f', 1) << " us (" << kRuns << " loads)\n";
    return 0;
}
