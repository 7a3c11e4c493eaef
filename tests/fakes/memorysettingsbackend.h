// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/settingsbackend.h"

#include <QMap>
#include <QStringList>

// An in-memory store with the real one's case-insensitive keys; it can be
// told to refuse writes, and keeps the order of the writes it took.
class MemorySettingsBackend final : public SettingsBackend
{
public:
    std::optional<QString> read(const QString &application, const QString &section, const QString &key) override;
    bool write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;
    IoResult deleteAll(const QString &application) override;

    // The value under `key` (any case) of the program's own section.
    std::optional<QString> value(const QString &key) const;

    bool refuseWrites = false;
    bool refuseDelete = false;
    QStringList writes; // "key=value", in order
    int deleteAllCalls = 0;

private:
    QMap<QString, QString> m_values; // "application/section/key" in lower case
};
