// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/eventpump.h"

#include <QByteArray>
#include <QString>

struct FileBytes
{
    enum Status {
        Read,
        Missing,  // nothing there, or a link to nothing
        Folder,   // a folder, not a file
        Special,  // a named pipe, a device, a socket: never opened
        TooLarge, // more bytes than the limit: never read
        Failed,   // see error
    } status = Missing;
    QByteArray bytes;
    qint64 size = 0; // what the file holds, also when it is too large
    QString error;
};

// The whole of a regular file of at most `limit` bytes, a link followed.
// Its type and size are checked before it is opened and again once it is
// open, and it is opened without blocking, so that a named pipe cannot
// hang the program, nor a device or a huge file exhaust its memory; a file
// that grows past the limit while it is read is refused too. `events`
// runs between the pieces of a large file.
FileBytes readRegularFile(const QString &path, qint64 limit, const ProcessEvents &events = {});
