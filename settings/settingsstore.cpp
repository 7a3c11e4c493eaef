// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsstore.h"

#include "platform/settingsbackend.h"

#include <utility>

SettingsStore::SettingsStore(SettingsBackend &backend, std::function<void()> onWriteFailure)
    : m_backend(backend),
      m_onWriteFailure(std::move(onWriteFailure))
{}

QString SettingsStore::read(Setting setting) const
{
    const SettingKey &key = settingKey(setting);
    return m_backend.read(QString::fromLatin1(key.key)).value_or(QString::fromLatin1(key.defaultValue));
}

void SettingsStore::write(Setting setting, const QString &value)
{
    if (m_frozen)
        return;
    if (m_backend.write(QString::fromLatin1(settingKey(setting).key), value))
        return;
    if (!m_failureReported) {
        m_failureReported = true;
        if (m_onWriteFailure)
            m_onWriteFailure();
    }
}

IoResult SettingsStore::deleteAllAndFreeze()
{
    IoResult removed = m_backend.deleteAll();
    m_frozen = m_frozen || removed.ok;
    return removed;
}
