// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Opens a web address with the desktop's default browser.
class Shell
{
public:
    virtual ~Shell() = default;
    // The result is not reported: a missing browser shows nothing.
    virtual void openUrl(const QString &url) = 0;
};
