#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QString>

// Files that tests and benchmarks lay out for themselves.
namespace test_files {

/// Writes `bytes` to `path`, replacing what was there and making its folder first; false when
/// that cannot be done.
inline bool write(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

/// `count` consecutive numbers from `first`.
inline QList<int> range(int first, int count) {
    QList<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers.append(first + i);
    return numbers;
}

} // namespace test_files
