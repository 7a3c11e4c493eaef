// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-file reads and writes for the tests' fixtures.

#include <QFile>
#include <QTest>

#include <sys/stat.h>

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void writeAll(const QString &path, const QByteArray &bytes = {})
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The permission bits of a file or folder.
inline int modeOf(const QString &path)
{
    struct stat info = {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return int(info.st_mode & 07777);
}
