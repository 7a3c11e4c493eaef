// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QDeadlineTimer;
class QString;

// An exclusive flock(2) on a folder, held while the object lives. Nothing
// is created or removed for it, and the lock ends with the process that
// holds it, so a copy that crashed never leaves one behind.
class FolderLock final
{
public:
    enum Status {
        Held,
        Busy,        // someone else held it until the deadline
        Unsupported, // the folder cannot be opened, or its file system refuses flock (NFS)
    };

    FolderLock() = default;
    ~FolderLock();
    Q_DISABLE_COPY_MOVE(FolderLock)

    Status lock(const QString &folder, const QDeadlineTimer &deadline);

private:
    int m_fd = -1;
};
