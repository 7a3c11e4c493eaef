// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/shell.h"

// Opens web addresses with the desktop's default browser.
class DesktopShell final : public Shell
{
public:
    void openUrl(const QString &url) override;
};
