// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/settingsbackend.h"

#include <QMap>
#include <QStringList>

#include <functional>
#include <mutex>

// An in-memory store with the real one's case-insensitive keys; it can be
// told to refuse writes or its removal, and keeps the order of the writes.
// The store's own thread may write while a test reads.
class MemorySettingsBackend final : public SettingsBackend
{
public:
    std::optional<QString> read(const QString &key) override { return value(key); }
    bool write(const QString &key, const QString &value) override
    {
        if (beforeWrite)
            beforeWrite(key); // a slow disk, on whichever thread writes
        const std::lock_guard lock(m_mutex);
        if (refuseWrites)
            return false;
        m_values.insert(key.toLower(), value);
        writes << key + u'=' + value;
        return true;
    }
    IoResult deleteAll() override
    {
        if (refuseDelete)
            return {false, QStringLiteral("refused")};
        m_values.clear();
        return {true, {}};
    }

    void setAside(const QString &key) override
    {
        if (const auto it = m_values.constFind(key.toLower()); it != m_values.constEnd()) {
            setAsideValues.insert(it.key(), *it);
            m_values.erase(it);
        }
    }
    QString openingProblem() const override
    {
        return setAsideValues.isEmpty() ? QString() : QStringLiteral("set aside: ") + setAsideValues.keys().join(u',');
    }

    // The value under `key`, in any case.
    std::optional<QString> value(const QString &key) const
    {
        const std::lock_guard lock(m_mutex);
        const auto it = m_values.constFind(key.toLower());
        return it == m_values.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }

    bool refuseWrites = false;
    std::function<void(const QString &key)> beforeWrite;
    bool refuseDelete = false;
    QStringList writes;                    // "key=value", in order
    QMap<QString, QString> setAsideValues; // by key in lower case

private:
    mutable std::mutex m_mutex;
    QMap<QString, QString> m_values; // by key in lower case
};
