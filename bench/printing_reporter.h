#pragma once

#include "shell/content_error.h"
#include "shell/error_path.h"

#include <QTextStream>

/// The careful-screen benchmarks' reporter: prints a content fault instead of showing it, and
/// remembers that there was one.
class PrintingReporter : public ErrorReporter {
public:
    void report(const ContentError& error) override {
        QTextStream(stderr) << error.message() << "\n";
        failed = true;
    }
    bool failed = false;
};
