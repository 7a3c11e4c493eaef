// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/bookfiles.h"

#include "platform/datedname.h"
#include "platform/logging.h"
#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The path as one key, however it was written ("./a", "a", "x/../a") or
// linked: a linked book is its target.
QString keyOf(const QString &path)
{
    return QDir::cleanPath(QFileInfo(finalTarget(path)).absoluteFilePath());
}

// The whole file, or why not, told in words for every status but Read
// and Missing; only regular files of sensible size, so a device or a pipe
// named as the book cannot hang the program.
FileBytes readWhole(const QString &path)
{
    FileBytes file = readRegularFile(path, BookFiles::kMaxFileSize);
    switch (file.status) {
    case FileBytes::Folder: file.error = QCoreApplication::translate("BookFiles", "it is a folder, not a file"); break;
    case FileBytes::Special: file.error = QCoreApplication::translate("BookFiles", "it is not a regular file"); break;
    case FileBytes::TooLarge:
        file.error = QCoreApplication::translate("BookFiles", "it is too large to be an address book (%1 MB)")
                         .arg(file.size >> 20);
        break;
    case FileBytes::Read:
    case FileBytes::Missing:
    case FileBytes::Failed: break;
    }
    return file;
}

// No one may write it: it is meant to stay as it is.
bool isReadOnly(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && (info.st_mode & 0222) == 0;
}

} // namespace

BookPlaces BookPlaces::probe(const QString &programDir, const QString &dataDir)
{
    // The folder it was installed to is never the book's, even where root
    // could write there: the book belongs to the user, not to the system.
    const QString installed = QFileInfo(QStringLiteral(QUILLON_INSTALL_BINDIR)).canonicalFilePath();
    const bool writable = (installed.isEmpty() || QFileInfo(programDir).canonicalFilePath() != installed)
        && ::access(QFile::encodeName(programDir).constData(), W_OK | X_OK) == 0;
    return BookPlaces{programDir, dataDir, writable};
}

QString BookPlaces::defaultPath() const
{
    return QDir(programDirWritable ? programDir : dataDir).filePath(kBookFileName.toString());
}

QString BookPlaces::programBook() const
{
    return QDir(programDir).filePath(kBookFileName.toString());
}

bool BookFiles::sameFile(const QString &a, const QString &b)
{
    return !a.isEmpty() && !b.isEmpty() && keyOf(a) == keyOf(b);
}

BookFiles::BookFiles(BookPlaces places) : m_places(std::move(places)) {}

void BookFiles::seedDataBook()
{
    const QString book = m_places.defaultPath();
    const QString original = m_places.programBook();
    if (m_places.programDirWritable || QFileInfo::exists(book) || !QFileInfo::exists(original))
        return;
    if (!makeOwnFolders(m_places.dataDir)) {
        qCWarning(lcFiles) << "could not make the data folder" << m_places.dataDir;
        return;
    }
    const FileBytes read = readWhole(original);
    const IoResult copied = read.status == FileBytes::Read ? replaceFile(book, read.bytes, NewFileAccess::OwnerOnly)
                                                           : IoResult{false, read.error};
    if (!copied.ok)
        qCWarning(lcFiles) << "could not copy" << original << "to" << book << copied.error;
}

BookRead BookFiles::read(const QString &path, qsizetype limit, const ProcessEvents &events)
{
    QString source = path;
    if (keyOf(path) == keyOf(m_places.defaultPath()) && !m_places.programDirWritable) {
        seedDataBook();
        // Where the copy could not be made the original serves this once;
        // the first save writes the user's own book.
        if (!QFileInfo::exists(path) && QFileInfo::exists(m_places.programBook()))
            source = m_places.programBook();
    }

    // What a save killed half-way left beside the book.
    removeLeftoversOf(path);
    BookRead result;
    const QString key = keyOf(path);
    // Taken before the reading: a save that lands meanwhile shows as a change.
    m_seen.insert(key, stampOf(path));
    const FileBytes read = readWhole(source);
    if (read.status == FileBytes::Missing) {
        m_unreadable.remove(key);
        return result;
    }
    if (read.status != FileBytes::Read) {
        result.status = BookRead::Unreadable;
        result.error = read.error;
        // Only the file that saves would replace is guarded; the program
        // folder's book standing in for the user's is never written.
        if (source == path)
            m_unreadable.insert(key, read.error);
        return result;
    }
    m_unreadable.remove(key);
    result.status = BookRead::Read;
    if (events)
        events();
    result.content = decodeBook(read.bytes, limit, events);
    if (result.content.encoding == BookEncoding::Utf8)
        m_utf8.insert(key);
    else
        m_utf8.remove(key);
    return result;
}

void BookFiles::keepBeforeReplacing(const QString &path, KeepReason reason)
{
    // Of two reasons, the one that says something was left out.
    KeepReason &kept = m_toKeep[keyOf(path)];
    kept = std::max(kept, reason);
}

MadeFile BookFiles::copyAside(const QString &path)
{
    const FileBytes read = readWhole(path);
    MadeFile copy = read.status == FileBytes::Read
        ? putAtDatedName(
            path, QLatin1StringView(".kept-"),
            [&read](const QString &name) { return replaceFile(name, read.bytes, NewFileAccess::OwnerOnly); })
        : MadeFile{{}, read.error};
    if (copy.path.isEmpty())
        copy.error = QCoreApplication::translate("BookFiles", "the old file could not be copied aside first (%1)")
                         .arg(copy.error);
    return copy;
}

BookSave BookFiles::save(const QString &path, const QStringList &entries)
{
    BookSave result;
    const QString key = keyOf(path);
    if (const auto it = m_unreadable.constFind(key); it != m_unreadable.constEnd()) {
        result.refused = BookSave::UnreadFile;
        result.error = it.value();
        return result;
    }
    // A link is followed: its target is replaced or deleted, the link stays.
    const QString target = finalTarget(path);
    const QFileInfo info(target);
    if (info.isDir()) {
        result.error = QCoreApplication::translate("BookFiles", "it is a folder, not a file");
        return result;
    }
    if (isReadOnly(target)) {
        result.refused = BookSave::ReadOnly;
        result.error = QCoreApplication::translate("BookFiles", "it is read-only");
        return result;
    }
    // A failure shows as the missing folder below.
    if (key == keyOf(m_places.defaultPath()) && !m_places.programDirWritable && !makeOwnFolders(m_places.dataDir))
        qCWarning(lcFiles) << "could not make the data folder" << m_places.dataDir;
    if (!info.absoluteDir().exists()) {
        result.error = QCoreApplication::translate("BookFiles", "the folder %1 does not exist")
                           .arg(QDir::toNativeSeparators(info.absolutePath()));
        return result;
    }

    // Nothing a load left out, and no imported file, may go with the old file.
    if (const auto keep = m_toKeep.constFind(key); keep != m_toKeep.constEnd() && info.exists()) {
        const MadeFile copy = copyAside(target);
        if (copy.path.isEmpty()) {
            result.error = copy.error;
            return result;
        }
        result.keptCopy = copy.path;
        result.keptBecause = *keep;
        m_toKeep.remove(key);
    }

    if (entries.isEmpty()) {
        // An empty list leaves no file at all.
        if (info.exists()) {
            QFile file(target);
            if (!file.remove()) {
                result.error = file.errorString();
                return result;
            }
            if (const IoResult synced = syncFolderOf(target); !synced.ok) {
                result.error = synced.error;
                return result;
            }
        }
        m_utf8.remove(key);
    } else {
        const EncodedBook encoded = encodeBook(entries, m_utf8.contains(key));
        const IoResult written = replaceFile(target, encoded.bytes, NewFileAccess::OwnerOnly);
        if (!written.ok) {
            result.error = written.error;
            return result;
        }
        if (encoded.encoding == BookEncoding::Utf8)
            m_utf8.insert(key);
    }
    m_toKeep.remove(key);
    m_seen.insert(key, stampOf(path));
    result.ok = true;
    return result;
}

BookFiles::FileStamp BookFiles::stampOf(const QString &path)
{
    // Every save replaces the file by a rename, so the inode tells a new
    // file even when size and times happen to agree.
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {qint64(st.st_dev),         qint64(st.st_ino),          qint64(st.st_size),
            qint64(st.st_mtim.tv_sec), qint64(st.st_mtim.tv_nsec), qint64(st.st_ctim.tv_nsec)};
}

bool BookFiles::changedOnDisk(const QString &path) const
{
    const auto seen = m_seen.constFind(keyOf(path));
    return seen == m_seen.constEnd() || *seen != stampOf(path);
}
