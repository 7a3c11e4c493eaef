// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomicfile.h"

#include "platform/logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// Not QSaveFile: Qt 6.4's commit() renames the temporary file over the old
// one even when its final flush failed (a full disk), leaving a short file
// and reporting success, as a test of the book's files shows. Every step
// here is a system call whose result is checked.

namespace {

// A temporary file is "<file name>.quillon-tmp-" and six letters or digits.
constexpr QLatin1StringView kTemporaryMark(".quillon-tmp-");
constexpr qsizetype kRandomLength = 6;

IoResult failure(int error)
{
    return {false, qt_error_string(error)};
}

struct Temporary
{
    int fd = -1; // -1 when none could be made; errno says why
    QByteArray name;
};

// Creates a new temporary file beside `target`, locked for as long as it
// is open, so that a start-up cleaning leftovers leaves it alone.
Temporary createTemporary(const QString &target, mode_t mode)
{
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString random;
        for (qsizetype i = 0; i < kRandomLength; ++i)
            random += QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof(kChars) - 1))]);
        QByteArray name = QFile::encodeName(target + kTemporaryMark + random);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            // Where the file system keeps no locks, a start-up's cleaning
            // cannot take one either and leaves the file alone; at worst it
            // removes it, and the rename then fails and says so.
            while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {}
            return {fd, name};
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

// A short write is not yet a failure: the next call says why, if it fails.
bool writeAll(int fd, QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

QString finalTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; info.isSymLink() && depth < 40; ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

bool isTemporaryName(QStringView fileName)
{
    const qsizetype at = fileName.size() - kRandomLength - kTemporaryMark.size();
    if (at < 1 || fileName.sliced(at, kTemporaryMark.size()) != kTemporaryMark)
        return false;
    const QStringView random = fileName.last(kRandomLength);
    return std::all_of(random.begin(), random.end(), [](QChar c) { return c.unicode() < 128 && c.isLetterOrNumber(); });
}

IoResult syncFolderOf(const QString &path)
{
    const QByteArray dir = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder we may write but not read cannot be opened to be synced, and
    // some file systems cannot sync a folder at all; neither is a failure
    // of the write.
    if (fd < 0 && errno == EACCES) {
        qCDebug(lcFiles) << "cannot open the folder to sync it:" << QFile::decodeName(dir);
        return {true, {}};
    }
    if (fd < 0)
        return failure(errno);
    const int synced = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (synced != 0 && error != EINVAL && error != EOPNOTSUPP)
        return failure(error);
    if (synced != 0)
        qCDebug(lcFiles) << "the file system does not sync folders:" << QFile::decodeName(dir);
    return {true, {}};
}

IoResult replaceFile(const QString &path, QByteArrayView bytes, NewFileAccess access)
{
    const QString target = finalTarget(path);
    const auto [fd, temporary] = createTemporary(target, access == NewFileAccess::OwnerOnly ? 0600 : 0666);
    if (fd < 0)
        return failure(errno);

    // The new file keeps the old one's permissions; a new file gets those
    // asked for (less the umask, from open()). Failing to copy them loses no
    // data, so it does not stop the replacement.
    struct stat old;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0)
        qCWarning(lcFiles) << "could not keep the permissions of" << target << qt_error_string(errno);

    int error = 0;
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0
        || ::rename(temporary.constData(), QFile::encodeName(target).constData()) != 0)
        error = errno;
    // The lock is held until the rename is done. fsync() already reported
    // any write error, so close() has nothing left to say.
    ::close(fd);
    if (error != 0) {
        ::unlink(temporary.constData());
        return failure(error);
    }
    return syncFolderOf(target);
}

bool makeOwnFolders(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    if (info.exists() || info.isSymLink())
        return false;
    const QString parent = info.absolutePath();
    if (parent == info.absoluteFilePath() || !makeOwnFolders(parent))
        return false;
    // Another copy may have made it just now.
    return QDir().mkdir(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner)
        || QFileInfo(path).isDir();
}

void removeLeftover(const QString &temporaryPath)
{
    const QByteArray name = QFile::encodeName(temporaryPath);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info;
    // A replacement still writing holds the lock; a killed one holds none.
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0
        && ::unlink(name.constData()) != 0)
        qCWarning(lcFiles) << "could not remove the leftover" << temporaryPath << qt_error_string(errno);
    ::close(fd);
}

void removeLeftoversOf(const QString &path)
{
    const QFileInfo target(finalTarget(path));
    const QString prefix = target.fileName() + kTemporaryMark;
    const QDir dir = target.absoluteDir();
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.size() == prefix.size() + kRandomLength && name.startsWith(prefix) && isTemporaryName(name))
            removeLeftover(dir.filePath(name));
    }
}
