// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Opens a web address with the desktop's default browser.
class Shell
{
public:
    virtual ~Shell() = default;
    // `failed` runs, now or later from the event loop, when no browser
    // could be started for the address.
    virtual void openUrl(const QString &url, std::function<void()> failed) = 0;
};
