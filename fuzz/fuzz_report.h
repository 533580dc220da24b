#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

// A broken rule is a finding: print it and abort, so that libFuzzer keeps the input.
inline void reportBrokenRule(const QString& brokenRule) {
    if (brokenRule.isEmpty())
        return;
    std::fprintf(stderr, "rule broken: %s\n", qPrintable(brokenRule));
    std::abort();
}
