// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

struct IoResult
{
    bool ok = false;
    QString error;
};

// Replaces the file with the bytes as a whole: they go to a temporary file
// in the same folder, reach the disk, and are renamed over the old file,
// and the folder is synced. A crash, a kill or a full disk at any moment
// leaves the old file or the new one, never part of one.
IoResult replaceFile(const QString &path, QByteArrayView bytes);

// Syncs the folder that holds `path`, so that a rename or removal in it
// survives a power cut.
void syncFolderOf(const QString &path);
