// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addressbooksession.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/bookmerge.h"
#include "addressbook/booktexts.h"

#include "platform/folderlock.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLockFile>

#include <optional>
#include <utility>

namespace {

BookMessage warning(const QString &text)
{
    return {BookMessage::Warning, text};
}

BookMessage information(const QString &text)
{
    return {BookMessage::Information, text};
}

// The lock that copies take before they read and write a book: an flock on
// its folder, which costs nothing to make or remove. Where the folder
// refuses one (NFS), a lock file beside the book serves, as it does while
// one is there: older versions take only that. Held while the object lives.
class BookLock
{
public:
    // False when another copy held it until the deadline. A lock file that
    // cannot be made at all does not stop the save, which then says why.
    bool take(const QString &book, const QDeadlineTimer &deadline)
    {
        const FolderLock::Status folder = m_folder.lock(QFileInfo(book).absolutePath(), deadline);
        if (folder == FolderLock::Busy)
            return false;
        const QString lockFileName = book + QStringLiteral(".lock");
        if (folder == FolderLock::Held && !QFileInfo::exists(lockFileName))
            return true;
        m_file.emplace(lockFileName);
        return m_file->tryLock(int(deadline.remainingTime())) || m_file->error() != QLockFile::LockFailedError;
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
    result.added = m_model->add(storable, ThrottledEvents(m_events));
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
            result.added = m_model->add(read.content.entries, events);
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
        m_files.keepBeforeReplacing(path);
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

BookResult AddressBookSession::importFile(const QString &path)
{
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
    QString problem;
    if (!lock.take(m_path, QDeadlineTimer(m_lockWait))) {
        problem = BookTexts::lockedByAnotherCopy(m_path);
    } else {
        takeInDiskIfChanged();
        const QStringList entries = m_model->texts();
        const BookSave saved = m_files.save(m_path, entries);
        if (!saved.keptCopy.isEmpty())
            result.messages.append(information(BookTexts::keptCopy(m_path, saved.keptCopy)));
        if (saved.ok) {
            m_base = entries;
            m_basePath = m_path;
            watch();
            result.status = BookResult::Done;
            return result;
        }
        problem = BookTexts::notSaved(m_path, saved.error, saved.unreadFile);
    }
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
        m_files.keepBeforeReplacing(m_path);
}

void AddressBookSession::watch()
{
    // The folder as well: a save renames a new file over the old one, and
    // the watch on the old file ends with it.
    QStringList wanted{QFileInfo(m_path).absolutePath()};
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
