// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regularfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

RegularFileRead failed(int error)
{
    RegularFileRead result;
    result.error = qt_error_string(error);
    return result;
}

} // namespace

RegularFileRead readRegularFile(const QString &path, qint64 limit, QByteArray *bytes, const ProcessEvents &events)
{
    // Without O_NONBLOCK, opening a pipe that no one writes would wait for ever.
    const Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0)
        return failed(errno);
    struct stat st = {};
    if (::fstat(file.get(), &st) != 0)
        return failed(errno);
    RegularFileRead result;
    result.size = st.st_size;
    if (S_ISDIR(st.st_mode) || !S_ISREG(st.st_mode)) {
        result.status = S_ISDIR(st.st_mode) ? RegularFileRead::Folder : RegularFileRead::NotRegular;
        return result;
    }
    if (st.st_size > limit) {
        result.status = RegularFileRead::TooLarge;
        return result;
    }
    // Qt reads from the checked descriptor (and retries what a signal cut short).
    QFile reader;
    if (!reader.open(file.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        result.error = reader.errorString();
        return result;
    }
    bytes->clear();
    bytes->reserve(qsizetype(st.st_size));
    while (true) {
        const qint64 wanted = std::min(kPiece, limit + 1 - bytes->size());
        const qsizetype at = bytes->size();
        bytes->resize(at + qsizetype(wanted));
        const qint64 got = reader.read(bytes->data() + at, wanted);
        if (got < 0) {
            bytes->clear();
            result.error = reader.errorString();
            return result;
        }
        bytes->resize(at + qsizetype(got));
        if (bytes->size() > limit) {
            bytes->clear();
            result.status = RegularFileRead::TooLarge;
            result.size = std::max<qint64>(result.size, limit + 1);
            return result;
        }
        if (got == 0)
            break;
        if (events)
            events();
    }
    result.status = RegularFileRead::Read;
    result.size = bytes->size();
    return result;
}
