// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/bookfiles.h"
#include "platform/eventpump.h"

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>

class AddressListModel;

struct BookMessage
{
    enum Kind { Information, Warning } kind;
    QString text;
};

// What one address book command did, and what to tell the user, in order.
struct BookResult
{
    enum Status {
        Done,       // saved, or loaded whole
        Deferred,   // a save that waits for a load in progress
        Missing,    // the file to load does not exist
        Incomplete, // loaded, but not all of it
        Unreadable, // the file to load could not be read
        Failed,     // not saved
    } status = Done;
    int added = 0;
    QList<BookMessage> messages;
};

// The address book of one running copy: its list, the file in use, and the
// order of loads and saves. Events run inside a load, so a save asked for
// meanwhile waits until the load is done.
//
// Other copies may share the file. Each save takes a lock on its folder,
// takes in what they saved since this copy last read or wrote it, adds and
// removes this copy's own changes, and writes the result; while idle, the
// list follows the file as they change it.
class AddressBookSession final : public QObject
{
    Q_OBJECT

public:
    AddressBookSession(BookPlaces places, ProcessEvents events, std::function<bool()> stopped,
                       QObject *parent = nullptr);

    AddressListModel *model() const { return m_model; }
    // The book file in use: empty until the first load or save, then the
    // default book, or the name given to saveAs() or importFile().
    QString fileName() const { return m_path; }
    QString defaultPath() const { return m_files.places().defaultPath(); }
    // How long a save waits for another copy's save to finish.
    void setLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

    // Adds entries at their sorted places, unticked, without saving. Refuses
    // those the file cannot hold and those past the list's capacity.
    BookResult add(const QStringList &entries);
    // Adds the entries of the file in use to the list; does not save.
    BookResult load();
    // Writes the list to the file in use.
    BookResult save();
    // save(), confirmed with "Complete" once done.
    BookResult saveConfirmed();
    // Makes `path` the file in use and saves the list to it; on failure the
    // file in use stays what it was.
    BookResult saveAs(const QString &path);
    // Whether saveAs(path) would replace a file that is not the book in use.
    bool wouldReplaceAnotherFile(const QString &path) const;
    // Makes `path` the file in use and adds its entries to the list. Before
    // a save first replaces that file, it is copied aside as it was.
    BookResult importFile(const QString &path);
    // The last save failed, and none has succeeded since: the file lacks
    // what the list holds.
    bool lastSaveFailed() const { return m_lastSaveFailed; }
    // The list is taking in what another copy saved.
    bool takingIn() const { return m_takingIn; }

    // Takes in what another copy saved, keeping ticks and unsaved changes.
    // Runs by itself when the file changes; waits while a load runs.
    void refresh();

private:
    void useDefaultIfUnset();
    // The file in use, or the default book before the first load or save.
    QString pathInUse() const { return m_path.isEmpty() ? defaultPath() : m_path; }
    BookResult saveNow(const QString &afterFailure);
    // Takes in what another copy saved since this one last read or wrote the file.
    void takeInDiskIfChanged();
    void finishDeferredSave(BookResult &result);
    void watch();

    BookFiles m_files;
    AddressListModel *m_model;
    ProcessEvents m_events;
    std::function<bool()> m_stopped;
    QString m_path;
    // What this copy last read from or wrote to m_basePath: the list less
    // this is what it changed since.
    QStringList m_base;
    QString m_basePath;
    std::chrono::milliseconds m_lockWait{3000};

    int m_loads = 0;
    bool m_lastSaveFailed = false;
    bool m_saveDeferred = false;
    bool m_completeAfterDeferredSave = false;
    bool m_refreshDeferred = false;
    bool m_takingIn = false;

    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};
