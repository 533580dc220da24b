#include "screens/message_box_reporter.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBoxReporter::report(const ContentError& error) {
    QMessageBox::critical(nullptr, QStringLiteral("漢字クイズ"), error.message());
    // The error path lets no further handler act, so nothing happens before the event loop
    // returns with this code.
    QCoreApplication::exit(1);
}
