// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/deferredwrites.h"

#include <QMetaObject>

#include <utility>

DeferredWrites::DeferredWrites(Write write, Failed failed) : m_write(std::move(write)), m_failed(std::move(failed))
{
    m_pool.setMaxThreadCount(1);
    m_pool.setObjectName(QStringLiteral("quillon-settings"));
}

DeferredWrites::~DeferredWrites()
{
    // Unbounded: the writes use what their owner is about to free.
    m_pool.waitForDone();
}

void DeferredWrites::put(const QString &key, const QString &value)
{
    const std::lock_guard lock(m_mutex);
    m_waiting.insert(key, value);
    if (!std::exchange(m_running, true))
        m_pool.start([this] { writeWaiting(); });
}

bool DeferredWrites::holds(const QString &key) const
{
    const std::lock_guard lock(m_mutex);
    return m_writing == key || m_waiting.contains(key);
}

void DeferredWrites::writeWaiting()
{
    std::unique_lock lock(m_mutex);
    while (!m_waiting.isEmpty()) {
        const auto next = m_waiting.begin();
        const QString key = m_writing = next.key();
        const QString value = next.value();
        m_waiting.erase(next);
        lock.unlock();
        const bool written = m_write(key, value);
        lock.lock();
        m_writing.clear();
        if (!written && m_failures++ == 0)
            QMetaObject::invokeMethod(
                &m_owner, [this] { tellFailures(); }, Qt::QueuedConnection);
    }
    m_running = false;
}

void DeferredWrites::tellFailures()
{
    {
        const std::lock_guard lock(m_mutex);
        if (std::exchange(m_failures, 0) == 0)
            return;
    }
    if (m_failed)
        m_failed();
}

bool DeferredWrites::waitForAll(std::chrono::milliseconds deadline)
{
    const bool done = m_pool.waitForDone(int(deadline.count()));
    tellFailures();
    return done;
}
