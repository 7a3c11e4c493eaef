// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regularfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What `info` says of the file; Read when it may be read.
FileBytes::Status statusOf(const struct stat &info, qint64 limit)
{
    if (S_ISDIR(info.st_mode))
        return FileBytes::Folder;
    if (!S_ISREG(info.st_mode))
        return FileBytes::Special;
    return info.st_size > limit ? FileBytes::TooLarge : FileBytes::Read;
}

FileBytes failed(int error)
{
    FileBytes result;
    result.status = error == ENOENT ? FileBytes::Missing : FileBytes::Failed;
    result.error = qt_error_string(error);
    return result;
}

} // namespace

FileBytes readRegularFile(const QString &path, qint64 limit)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    if (::stat(name.constData(), &info) != 0)
        return failed(errno);
    FileBytes result;
    result.size = info.st_size;
    result.status = statusOf(info, limit);
    if (result.status != FileBytes::Read)
        return result;

    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return failed(errno);
    // Looked at again: it may have been swapped for something else meanwhile.
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return failed(error);
    }
    result.size = info.st_size;
    result.status = statusOf(info, limit);
    if (result.status != FileBytes::Read) {
        ::close(fd);
        return result;
    }
    // One byte more than the file holds: a file that grows meanwhile shows.
    result.bytes.resize(qsizetype(info.st_size) + 1);
    qsizetype filled = 0;
    for (;;) {
        const ssize_t got = ::read(fd, result.bytes.data() + filled, size_t(result.bytes.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return failed(error);
        }
        filled += got;
        if (got == 0)
            break;
        if (filled == result.bytes.size()) {
            if (filled > limit) {
                ::close(fd);
                return FileBytes{FileBytes::TooLarge, {}, filled, {}};
            }
            result.bytes.resize(std::min<qint64>(limit + 1, filled * 2));
        }
    }
    ::close(fd);
    result.bytes.truncate(filled);
    result.size = filled;
    return result;
}
