// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <chrono>
#include <functional>
#include <mutex>

// Writes values of keys on a thread of its own, so that the window never
// waits for a large value to reach the disk. The latest value of a key
// wins: one given while an older one waits replaces it, and a key is never
// written twice at once. The owner's thread hears of each failed write
// through the event loop, or at the latest when it waits for the writes.
class DeferredWrites
{
public:
    // Writes one value; true when it is stored. Runs on the writing thread.
    using Write = std::function<bool(const QString &key, const QString &value)>;
    // Called on the thread that made this object.
    using Failed = std::function<void()>;

    DeferredWrites(Write write, Failed failed);
    // Waits for every write given.
    ~DeferredWrites();

    void put(const QString &key, const QString &value);
    // Whether a value of the key waits or is being written.
    bool holds(const QString &key) const;
    // Waits up to `deadline` for every write given, then tells of those that
    // failed. False when some are still running.
    bool waitForAll(std::chrono::milliseconds deadline);

private:
    void writeWaiting();
    void tellFailures();

    Write m_write;
    Failed m_failed;
    mutable std::mutex m_mutex;
    QMap<QString, QString> m_waiting; // by key
    QString m_writing;                // the key being written; empty: none
    bool m_running = false;           // a task of the pool is at work
    int m_failures = 0;               // not yet told
    QObject m_owner;                  // lives on the owner's thread: failures are told there
    QThreadPool m_pool;
};
