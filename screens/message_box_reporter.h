#pragma once

#include "shell/error_path.h"

/// Tells the player about a content fault in a message box and ends the program with exit
/// code 1.
class MessageBoxReporter : public ErrorReporter {
public:
    void report(const ContentError& error) override;
};
