// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/atomicfile.h"

#include <QString>
#include <optional>

// A per-user store of string values of one application's section, addressed
// by key. Keys match without regard to case; values are kept byte for byte.
class SettingsBackend
{
public:
    virtual ~SettingsBackend() = default;
    // The stored value, or nothing when the key is absent or unreadable.
    virtual std::optional<QString> read(const QString &key) = 0;
    // Durable and atomic when it returns true. A write may run on another
    // thread beside a read or a write of another key; nothing else runs
    // beside it.
    virtual bool write(const QString &key, const QString &value) = 0;
    // Removes every section and key of the application, or, failing that,
    // none of them, and says what could not be removed.
    virtual IoResult deleteAll() = 0;
    // Sets the stored value aside as damaged (a value its field cannot
    // hold), kept for the user and named by openingProblem(); the key then
    // reads as absent.
    virtual void setAside(const QString &key) = 0;
    // What went wrong when the store was opened (a damaged value set aside,
    // say), for the user to be told once; empty when nothing did.
    virtual QString openingProblem() const { return {}; }
};
