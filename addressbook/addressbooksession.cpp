// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addressbooksession.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/bookmerge.h"
#include "addressbook/booktexts.h"

#include "platform/atomicfile.h"
#include "platform/folderlock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QScopedValueRollback>

#include <optional>
#include <utility>

#include <sys/stat.h>

namespace {

BookMessage warning(const QString &text)
{
    return {BookMessage::Warning, text};
}

BookMessage information(const QString &text)
{
    return {BookMessage::Information, text};
}

// What stands where a lock file should be, when it is something else.
QString oddLock(const QString &lockFileName)
{
    struct stat info;
    if (::lstat(QFile::encodeName(lockFileName).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    if (S_ISDIR(info.st_mode))
        return BookTexts::tr("a folder");
    if (S_ISFIFO(info.st_mode))
        return BookTexts::tr("a named pipe");
    if (S_ISLNK(info.st_mode))
        return BookTexts::tr("a link");
    return BookTexts::tr("a device or a socket");
}

// The lock that copies take before they read and write a book: an flock on
// its folder, which costs nothing to make or remove. Where the folder
// refuses one (NFS), a lock file beside the book serves, as it does while
// one is there: older versions take only that. Held while the object lives.
class BookLock
{
public:
    // Not ok, with the reason, when another copy held it until the deadline
    // or no lock could be had. A lock file that cannot be made at all does
    // not stop the save, which then says why.
    IoResult take(const QString &book, const QDeadlineTimer &deadline)
    {
        const IoResult taken{true, {}};
        // A linked book is locked where its target is, as copies that name
        // the target itself lock it.
        const QString target = finalTarget(book);
        const FolderLock::Status folder = m_folder.lock(QFileInfo(target).absolutePath(), deadline);
        if (folder == FolderLock::Busy)
            return {false, BookTexts::lockedByAnotherCopy(book)};
        const QString lockFileName = target + QStringLiteral(".lock");
        // Something else by that name is no other copy's lock, and is never
        // opened: a named pipe would block for good. The folder's lock
        // serves where there is one.
        if (const QString odd = oddLock(lockFileName); !odd.isEmpty())
            return folder == FolderLock::Held ? taken
                                              : IoResult{false, BookTexts::lockNotAFile(book, lockFileName, odd)};
        if (folder == FolderLock::Held && !QFileInfo::exists(lockFileName))
            return taken;
        m_file.emplace(lockFileName);
        if (m_file->tryLock(int(deadline.remainingTime())) || m_file->error() != QLockFile::LockFailedError)
            return taken;
        return {false, BookTexts::lockedByAnotherCopy(book)};
    }

private:
    FolderLock m_folder;
    std::optional<QLockFile> m_file;
};

} // namespace

AddressBookSession::AddressBookSession(BookPlaces places, ProcessEvents events, std::function<bool()> stopped,
                                       QObject *parent)
    : QObject(parent),
      m_files(std::move(places)),
      m_model(new AddressListModel(this)),
      m_events(std::move(events)),
      m_stopped(std::move(stopped))
{
    // A save by another copy is a burst of changes (temporary file, rename,
    // a lock file where the folder takes no flock); the list follows once it
    // has settled.
    m_settle.setSingleShot(true);
    m_settle.setInterval(200);
    connect(&m_settle, &QTimer::timeout, this, &AddressBookSession::refresh);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
}

void AddressBookSession::useDefaultIfUnset()
{
    if (m_path.isEmpty())
        m_path = defaultPath();
}

BookResult AddressBookSession::add(const QStringList &entries)
{
    QStringList storable;
    storable.reserve(entries.size());
    for (const QString &entry : entries) {
        if (canBeStored(entry))
            storable.append(entry);
    }
    BookResult result;
    result.added = m_model->add(storable);
    const QString refused = BookTexts::refused(entries.size() - storable.size(), storable.size() - result.added);
    if (!refused.isEmpty())
        result.messages.append(warning(refused));
    return result;
}

BookResult AddressBookSession::load()
{
    useDefaultIfUnset();
    const QString path = m_path;

    ++m_loads;
    ThrottledEvents events(m_events);
    const BookRead read = m_files.read(path, AddressListModel::kCapacity, events);
    // The entries go in at once, after the reading: a command that runs
    // meanwhile sees the list without them, never half of them, and a save
    // it asks for waits until they are in.
    BookResult result;
    if (read.status == BookRead::Read) {
        m_events();
        if (!m_stopped())
            result.added = m_model->add(read.content.entries);
    }
    --m_loads;
    if (m_stopped()) {
        result.status = BookResult::Incomplete;
        return result;
    }

    if (read.status != BookRead::Unreadable) {
        m_base = read.content.entries.mid(0, result.added);
        m_basePath = path;
    }
    if (read.status == BookRead::Missing) {
        result.status = BookResult::Missing;
    } else if (read.status == BookRead::Unreadable) {
        result.status = BookResult::Unreadable;
        result.messages.append(warning(BookTexts::unreadable(path, read.error)));
    } else if (const QString problems = BookTexts::incompleteLoad(path, read.content, result.added);
               !problems.isEmpty()) {
        result.status = BookResult::Incomplete;
        m_files.keepBeforeReplacing(path, KeepReason::Incomplete);
        result.messages.append(warning(problems));
    }
    watch();
    finishDeferredSave(result);
    if (std::exchange(m_refreshDeferred, false))
        refresh();
    return result;
}

BookResult AddressBookSession::save()
{
    return saveNow(QString());
}

BookResult AddressBookSession::saveConfirmed()
{
    BookResult result = save();
    if (result.status == BookResult::Done)
        result.messages.append(information(BookTexts::complete()));
    else if (result.status == BookResult::Deferred)
        m_completeAfterDeferredSave = true;
    return result;
}

BookResult AddressBookSession::saveAs(const QString &path)
{
    const QString previous = m_path;
    m_path = path;
    BookResult result = saveNow(BookTexts::stillInUse(previous.isEmpty() ? defaultPath() : previous));
    if (result.status == BookResult::Failed)
        m_path = previous;
    else if (result.status == BookResult::Deferred)
        m_completeAfterDeferredSave = true;
    else
        result.messages.append(information(BookTexts::complete()));
    return result;
}

bool AddressBookSession::wouldReplaceAnotherFile(const QString &path) const
{
    const QFileInfo info(path);
    return (info.exists() || info.isSymLink()) && !BookFiles::sameFile(path, pathInUse());
}

BookResult AddressBookSession::importFile(const QString &path)
{
    // The file becomes the book that later saves replace: what it holds
    // now is kept, unless it is the book already in use.
    if (!BookFiles::sameFile(path, pathInUse()))
        m_files.keepBeforeReplacing(path, KeepReason::Imported);
    m_path = path;
    BookResult result = load();
    if (result.status == BookResult::Done)
        result.messages.append(information(BookTexts::complete()));
    else if (result.status == BookResult::Missing && !m_stopped())
        result.messages.append(warning(BookTexts::missingImport(m_path)));
    return result;
}

BookResult AddressBookSession::saveNow(const QString &afterFailure)
{
    BookResult result;
    result.status = BookResult::Failed;
    if (m_stopped())
        return result;
    useDefaultIfUnset();
    if (m_loads > 0) {
        m_saveDeferred = true;
        result.status = BookResult::Deferred;
        return result;
    }

    BookLock lock;
    const IoResult locked = lock.take(m_path, QDeadlineTimer(m_lockWait));
    QString problem = locked.error;
    if (locked.ok) {
        takeInDiskIfChanged();
        const QStringList entries = m_model->texts();
        const BookSave saved = m_files.save(m_path, entries);
        if (!saved.keptCopy.isEmpty())
            result.messages.append(information(BookTexts::keptCopy(m_path, saved.keptCopy, saved.keptBecause)));
        if (saved.ok) {
            m_base = entries;
            m_basePath = m_path;
            m_lastSaveFailed = false;
            watch();
            result.status = BookResult::Done;
            return result;
        }
        problem = BookTexts::notSaved(m_path, saved);
    }
    m_lastSaveFailed = true;
    if (!afterFailure.isEmpty())
        problem += u'\n' + afterFailure;
    result.messages.append(warning(problem));
    return result;
}

void AddressBookSession::finishDeferredSave(BookResult &result)
{
    if (m_loads > 0 || !m_saveDeferred)
        return;
    m_saveDeferred = false;
    const bool confirm = std::exchange(m_completeAfterDeferredSave, false);
    const BookResult saved = save();
    result.messages += saved.messages;
    if (saved.status == BookResult::Done && confirm)
        result.messages.append(information(BookTexts::complete()));
}

void AddressBookSession::refresh()
{
    if (m_stopped() || m_path.isEmpty())
        return;
    if (m_loads > 0) {
        m_refreshDeferred = true;
        return;
    }
    watch();
    takeInDiskIfChanged();
}

void AddressBookSession::takeInDiskIfChanged()
{
    if (!BookFiles::sameFile(m_basePath, m_path) || !m_files.changedOnDisk(m_path))
        return;
    const QScopedValueRollback takingIn(m_takingIn, true);
    // No events run here: the lock may be held, and a nested save would wait for it.
    const BookRead read = m_files.read(m_path, AddressListModel::kCapacity);
    if (read.status == BookRead::Unreadable)
        return;
    const BookMerge merge = mergeBook(m_base, m_model->texts(), read.content.entries);
    m_model->removeAt(merge.removeRows);
    const int added = m_model->add(merge.add);
    m_base = read.content.entries;
    // What did not fit stays in the file, neither listed nor counted as removed.
    for (qsizetype i = added; i < merge.add.size(); ++i)
        m_base.removeOne(merge.add[i]);
    if (added < merge.add.size() || read.content.recordsBeyond > 0 || read.content.tailHasText)
        m_files.keepBeforeReplacing(m_path, KeepReason::Incomplete);
}

void AddressBookSession::watch()
{
    // The folder as well: a save renames a new file over the old one, and
    // the watch on the old file ends with it. A linked book's target is
    // replaced in its own folder.
    QStringList wanted{QFileInfo(m_path).absolutePath(), QFileInfo(finalTarget(m_path)).absolutePath()};
    wanted.removeDuplicates();
    if (QFileInfo::exists(m_path))
        wanted << m_path;
    QStringList watched = m_watcher.files() + m_watcher.directories();
    for (const QString &path : std::as_const(watched)) {
        if (!wanted.contains(path))
            m_watcher.removePath(path);
    }
    for (const QString &path : std::as_const(wanted)) {
        if (!watched.contains(path))
            m_watcher.addPath(path);
    }
}
