// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regularfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Read at a time: events run between the pieces of a large file.
constexpr qint64 kPiece = qint64(4) * 1024 * 1024;

class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

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

FileBytes readRegularFile(const QString &path, qint64 limit, const ProcessEvents &events)
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

    // Without O_NONBLOCK, opening a pipe that no one writes would wait for ever.
    const Descriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return failed(errno);
    // Looked at again: it may have been swapped for something else meanwhile.
    if (::fstat(file.get(), &info) != 0)
        return failed(errno);
    result.size = info.st_size;
    result.status = statusOf(info, limit);
    if (result.status != FileBytes::Read)
        return result;
    // Qt reads from the checked descriptor, and retries what a signal cut short.
    QFile reader;
    if (!reader.open(file.get(), QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return FileBytes{FileBytes::Failed, {}, result.size, reader.errorString()};
    result.bytes.reserve(qsizetype(info.st_size) + 1);
    // Up to one byte past the limit: a file that grows meanwhile shows.
    for (;;) {
        const qsizetype at = result.bytes.size();
        const qint64 wanted = std::min(kPiece, limit + 1 - at);
        result.bytes.resize(at + qsizetype(wanted));
        const qint64 got = reader.read(result.bytes.data() + at, wanted);
        if (got < 0)
            return FileBytes{FileBytes::Failed, {}, result.size, reader.errorString()};
        result.bytes.resize(at + got);
        if (result.bytes.size() > limit)
            return FileBytes{FileBytes::TooLarge, {}, result.bytes.size(), {}};
        if (got == 0)
            break;
        if (events)
            events();
    }
    result.size = result.bytes.size();
    return result;
}
