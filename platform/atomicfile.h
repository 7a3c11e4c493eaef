// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

struct IoResult
{
    bool ok = false;
    QString error;
};

// A file made, or why not.
struct MadeFile
{
    QString path; // empty when it failed
    QString error;
};

// Replaces the file with the bytes as a whole: they go to a temporary file
// in the same folder, reach the disk, and are renamed over the old file,
// and the folder is synced. Every step is checked; on any failure the
// temporary file is removed and the old file is left byte for byte. A
// crash, a kill or a full disk at any moment leaves the old file or the new
// one, never part of one. A symbolic link is followed: its target is
// replaced, the link stays. A file that was not there yet is readable by
// everyone (less the umask), or only by its owner when `access` says so.
enum class NewFileAccess { Everyone, OwnerOnly };
IoResult replaceFile(const QString &path, QByteArrayView bytes, NewFileAccess access = NewFileAccess::Everyone);

// Creates `path` and each missing folder above it for their owner alone
// (0700), as the XDG base directory standard asks of missing data
// folders: addresses are nobody else's business. True when it is a folder.
bool makeOwnFolders(const QString &path);

// Syncs the folder that holds `path`, so that a rename or removal in it
// survives a power cut.
IoResult syncFolderOf(const QString &path);

// The file a link leads to, through every link on the way; `path` itself
// when it is no link, or when the links go round in a circle.
QString finalTarget(const QString &path);

// Whether a file name is that of replaceFile()'s temporary files: the name
// of the file it replaces, ".quillon-tmp-" and six letters or digits.
bool isTemporaryName(QStringView fileName);

// Removes the temporary files that interrupted replacements of `path` left
// beside it: only those with the name replaceFile() gives them, and only
// when no replacement is still writing them.
void removeLeftoversOf(const QString &path);

// Removes one such file unless a replacement is still writing it.
void removeLeftover(const QString &temporaryPath);
