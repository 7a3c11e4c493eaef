// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folderlock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

FolderLock::~FolderLock()
{
    // Closing the last descriptor releases the lock.
    if (m_fd >= 0)
        ::close(m_fd);
}

FolderLock::Status FolderLock::lock(const QString &folder, const QDeadlineTimer &deadline)
{
    if (m_fd < 0)
        m_fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return Unsupported;
    // flock has no timeout: try, and wait a little longer each time, as
    // another copy's save takes some tens of milliseconds.
    std::chrono::milliseconds pause(1);
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
            return Held;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            break;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline.remainingTimeAsDuration());
        if (left.count() <= 0)
            return Busy;
        std::this_thread::sleep_for(std::min(pause, left));
        pause = std::min(pause * 2, std::chrono::milliseconds(50));
    }
    // ENOLCK, EBADF, EOPNOTSUPP: the file system keeps no such locks.
    ::close(m_fd);
    m_fd = -1;
    return Unsupported;
}
