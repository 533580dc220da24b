#pragma once

#include "shell/error_path.h"

#include <QStringList>

/// An error reporter that records the faults instead of showing them and ending the program.
class RecordingReporter : public ErrorReporter {
public:
    void report(const ContentError& error) override {
        files << error.file();
        faults << error.fault();
    }

    QStringList files;  ///< the file of each fault reported
    QStringList faults; ///< the fault text of each
};
