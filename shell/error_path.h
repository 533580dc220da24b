#pragma once

#include "shell/content_error.h"

/// Tells the player about a content fault and ends the game. The real one shows a message box
/// and quits with a non-zero exit code; tests record.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const ContentError& error) = 0;
};

/// Every event handler runs through here, so that no exception crosses the event loop. After
/// the first fault every further handler does nothing: the program is ending, and a timer that
/// ticks while the message is shown must not act on a half-loaded screen.
class ErrorPath {
public:
    explicit ErrorPath(ErrorReporter& reporter) : m_reporter(reporter) {}

    template <class Handler> void run(Handler&& handler) {
        if (m_failed)
            return;
        try {
            handler();
        } catch (const ContentError& error) {
            m_failed = true;
            m_reporter.report(error);
        }
    }

    bool failed() const { return m_failed; }

private:
    ErrorReporter& m_reporter;
    bool m_failed = false;
};
