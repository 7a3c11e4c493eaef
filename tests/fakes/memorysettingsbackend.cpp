// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/memorysettingsbackend.h"

#include "settings/settingkeys.h"

namespace {
QString path(const QString &application, const QString &section, const QString &key)
{
    return (application + u'/' + section + u'/' + key).toLower();
}
} // namespace

std::optional<QString> MemorySettingsBackend::read(const QString &application, const QString &section,
                                                   const QString &key)
{
    const auto it = m_values.constFind(path(application, section, key));
    if (it == m_values.constEnd())
        return std::nullopt;
    return it.value();
}

bool MemorySettingsBackend::write(const QString &application, const QString &section, const QString &key,
                                  const QString &value)
{
    if (refuseWrites)
        return false;
    m_values.insert(path(application, section, key), value);
    writes << key + u'=' + value;
    return true;
}

IoResult MemorySettingsBackend::deleteAll(const QString &application)
{
    ++deleteAllCalls;
    if (refuseDelete)
        return {false, QStringLiteral("refused")};
    const QString prefix = application.toLower() + u'/';
    for (auto it = m_values.begin(); it != m_values.end();)
        it = it.key().startsWith(prefix) ? m_values.erase(it) : std::next(it);
    return {true, {}};
}

std::optional<QString> MemorySettingsBackend::value(const QString &key) const
{
    const auto it = m_values.constFind(
        path(QString::fromLatin1(kSettingsApplication), QString::fromLatin1(kSettingsSection), key));
    if (it == m_values.constEnd())
        return std::nullopt;
    return it.value();
}
