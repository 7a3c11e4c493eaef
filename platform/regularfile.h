// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/eventpump.h"

#include <QByteArray>
#include <QString>

struct RegularFileRead
{
    enum Status {
        Read,
        Folder,     // a folder, not a file
        NotRegular, // a pipe, a device, a socket: never read, since it may never end
        TooLarge,   // larger than the limit asked for
        Failed,     // see error
    } status = Failed;
    qint64 size = 0;
    QString error;
};

// Reads a regular file of at most `limit` bytes whole. What the name leads
// to is checked on the opened file itself, so that neither a pipe nor a
// device put in its place meanwhile can block or flood the reading; a file
// that grows past the limit while it is read is refused too. `events` runs
// between the pieces of a large file.
RegularFileRead readRegularFile(const QString &path, qint64 limit, QByteArray *bytes, const ProcessEvents &events = {});
