#pragma once

#include <QString>

// Inside a check function: returns the rule's text when it does not hold.
#define KQ_EXPECT(rule)                                                                            \
    do {                                                                                           \
        if (!(rule))                                                                               \
            return QStringLiteral("%1:%2: %3")                                                     \
                .arg(QString::fromUtf8(__FILE__))                                                  \
                .arg(__LINE__)                                                                     \
                .arg(QStringLiteral(#rule));                                                       \
    } while (false)
