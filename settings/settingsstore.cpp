// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsstore.h"

#include "platform/deferredwrites.h"
#include "platform/logging.h"
#include "platform/settingsbackend.h"

#include <algorithm>
#include <optional>
#include <utility>

SettingsStore::SettingsStore(SettingsBackend &backend, std::function<void()> onWriteFailure)
    : m_backend(backend),
      m_onWriteFailure(std::move(onWriteFailure)),
      m_deferred(std::make_unique<DeferredWrites>(
          [&backend](const QString &key, const QString &value) { return backend.write(key, value); },
          [this] { reportFailure(); }))
{}

SettingsStore::~SettingsStore() = default;

namespace {

// The longest line of the value as its field shows it.
qsizetype longestLine(Setting setting, QStringView value)
{
    if (setting != Setting::ReturnAddress && setting != Setting::ToAddress && setting != Setting::ImportText)
        return value.size();
    qsizetype longest = 0;
    for (qsizetype from = 0; from < value.size();) {
        qsizetype end = value.indexOf(u'\n', from);
        if (end < 0)
            end = value.size();
        // A CR before the LF is part of the line break, not of the line.
        longest = std::max(longest, end - from - (end > from && value[end - 1] == u'\r'));
        from = end + 1;
    }
    return longest;
}

} // namespace

QString SettingsStore::read(Setting setting) const
{
    const SettingKey &key = settingKey(setting);
    const QString name = QString::fromLatin1(key.key);
    // Its own deferred write lands first; those of other keys may go on.
    if (m_deferred->holds(name))
        m_deferred->waitForAll(kDeferredDeadline);
    std::optional<QString> value = m_backend.read(name);
    if (value && longestLine(setting, *value) > kLongestLine) {
        m_deferred->waitForAll(kDeferredDeadline); // nothing is written while a file is set aside
        m_backend.setAside(name);
        value.reset();
    }
    return value.value_or(QString::fromLatin1(key.defaultValue));
}

void SettingsStore::write(Setting setting, const QString &value)
{
    if (m_frozen)
        return;
    const QString key = QString::fromLatin1(settingKey(setting).key);
    // A small value after a large one of the same key waits its turn, so
    // that the large one cannot land over it.
    if (value.size() >= kDeferredFrom || m_deferred->holds(key))
        m_deferred->put(key, value);
    else if (!m_backend.write(key, value))
        reportFailure();
}

void SettingsStore::reportFailure()
{
    if (!m_failureReported) {
        m_failureReported = true;
        if (m_onWriteFailure)
            m_onWriteFailure();
    }
}

void SettingsStore::freeze()
{
    m_frozen = true;
    if (!m_deferred->waitForAll(kDeferredDeadline))
        qCWarning(lcFiles) << "the settings store is still writing after" << kDeferredDeadline.count() << "ms";
}

IoResult SettingsStore::deleteAllAndFreeze()
{
    // Nothing deferred may land after the wipe, nor be lost if it fails.
    m_deferred->waitForAll(kDeferredDeadline);
    IoResult removed = m_backend.deleteAll();
    m_frozen = m_frozen || removed.ok;
    return removed;
}
