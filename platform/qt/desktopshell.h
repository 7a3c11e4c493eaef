// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shell.h"

// Opens web addresses with the desktop's default browser, through
// xdg-open where it is installed, so that its answer is heard.
class DesktopShell final : public Shell
{
public:
    void openUrl(const QString &url, std::function<void()> failed) override;
};
