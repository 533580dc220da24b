#include "shell/content_file.h"

#include "shell/content_error.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

ContentError tooLarge(const QString& path, qint64 size, qint64 limit) {
    return ContentError(path,
                        QStringLiteral("ファイルが大きすぎます（%1 バイト、上限は %2 バイト）。")
                            .arg(size)
                            .arg(limit));
}

// Reads to the end, but never more than one byte past `limit`, so that a file that grows while
// it is read stops at the cap. `read` is read(2)-like: bytes read, 0 at the end, -1 on failure.
template <class Read>
QByteArray readUpTo(const QString& path, qint64 expected, qint64 limit, Read read) {
    QByteArray bytes(qsizetype(qMin(expected, limit) + 1), Qt::Uninitialized);
    qint64 filled = 0;
    while (true) {
        if (filled == bytes.size()) {
            if (filled > limit)
                throw tooLarge(path, filled, limit);
            bytes.resize(qsizetype(qMin(filled * 2, limit + 1)));
        }
        const qint64 got = read(bytes.data() + filled, bytes.size() - filled);
        if (got < 0)
            throw ContentError(path, QStringLiteral("ファイルを読めません。"));
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(qsizetype(filled));
    return bytes;
}

#ifdef Q_OS_UNIX

// What a path that is not a regular file is, for the message (without the full stop).
QString whatItIs(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("ファイルではなくフォルダーです");
    if (S_ISFIFO(mode))
        return QStringLiteral("ファイルではなく名前付きパイプ（FIFO）です");
    if (S_ISCHR(mode))
        return QStringLiteral("ファイルではなく文字型デバイスです");
    if (S_ISBLK(mode))
        return QStringLiteral("ファイルではなくブロック型デバイスです");
    if (S_ISSOCK(mode))
        return QStringLiteral("ファイルではなくソケットです");
    return QStringLiteral("通常のファイルではありません");
}

QString openFault(int error) {
    switch (error) {
    case ENOENT:
        return QStringLiteral("ファイルが見つかりません。");
    case ELOOP:
        return QStringLiteral("シンボリックリンクが循環していて、ファイルにたどり着けません。");
    default:
        return QStringLiteral("ファイルを開けません（%1）。")
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

#endif

} // namespace

QByteArray readContentFile(const QString& path, qint64 limit) {
#ifdef Q_OS_UNIX
    // The type is judged on what was opened, not on a look at the path beforehand, which could
    // change in between. Non-blocking, so that opening a named pipe does not wait for a writer.
    const Descriptor fd(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        throw ContentError(path, openFault(errno));
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        throw ContentError(path, openFault(errno));
    if (!S_ISREG(status.st_mode)) {
        // Through a link, say where it leads (a link to /dev/zero, say); only for the message.
        const QFileInfo info(path);
        const QString via = info.isSymLink()
                                ? QStringLiteral("（リンク先: %1）").arg(info.canonicalFilePath())
                                : QString();
        throw ContentError(path, whatItIs(status.st_mode) + via + QStringLiteral("。"));
    }
    if (status.st_size > limit)
        throw tooLarge(path, status.st_size, limit);
    return readUpTo(path, status.st_size, limit, [&fd](char* into, qint64 size) -> qint64 {
        while (true) {
            const ssize_t got = ::read(fd.get(), into, std::size_t(size));
            if (got >= 0 || errno != EINTR)
                return got;
        }
    });
#else
    const QFileInfo info(path);
    if (!info.exists())
        throw ContentError(path, QStringLiteral("ファイルが見つかりません。"));
    if (info.isDir())
        throw ContentError(path, QStringLiteral("ファイルではなくフォルダーです。"));
    if (!info.isFile())
        throw ContentError(path, QStringLiteral("通常のファイルではありません。"));
    if (info.size() > limit)
        throw tooLarge(path, info.size(), limit);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(path,
                           QStringLiteral("ファイルを開けません（%1）。").arg(file.errorString()));
    return readUpTo(path, info.size(), limit,
                    [&file](char* into, qint64 size) { return file.read(into, size); });
#endif
}
