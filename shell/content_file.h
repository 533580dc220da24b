#pragma once

#include <QByteArray>
#include <QString>

/// The whole of a content file, read for input only. A missing or unreadable file is a
/// ContentError naming it.
QByteArray readContentFile(const QString& path);
