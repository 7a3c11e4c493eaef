// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/settingsbackend.h"
#include "settings/settingkeys.h"

#include <QMap>
#include <QStringList>

// An in-memory store with the real one's case-insensitive keys; it can be
// told to refuse writes or its removal, and keeps the order of the writes.
class MemorySettingsBackend final : public SettingsBackend
{
public:
    std::optional<QString> read(const QString &application, const QString &section, const QString &key) override
    {
        const auto it = m_values.constFind(path(application, section, key));
        return it == m_values.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }
    bool write(const QString &application, const QString &section, const QString &key, const QString &value) override
    {
        if (refuseWrites)
            return false;
        m_values.insert(path(application, section, key), value);
        writes << key + u'=' + value;
        return true;
    }
    IoResult deleteAll(const QString &application) override
    {
        if (refuseDelete)
            return {false, QStringLiteral("refused")};
        for (auto it = m_values.begin(); it != m_values.end();)
            it = it.key().startsWith(application.toLower() + u'/') ? m_values.erase(it) : std::next(it);
        return {true, {}};
    }

    // The value under `key` (any case) of the program's own section.
    std::optional<QString> value(const QString &key) const
    {
        const auto it = m_values.constFind(path(kSettingsApplication, kSettingsSection, key));
        return it == m_values.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }

    bool refuseWrites = false;
    bool refuseDelete = false;
    QStringList writes; // "key=value", in order

private:
    static QString path(const QString &application, const QString &section, const QString &key)
    {
        return (application + u'/' + section + u'/' + key).toLower();
    }
    QMap<QString, QString> m_values; // "application/section/key" in lower case
};
