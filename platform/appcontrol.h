// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ends the program. The window stops its own loops before calling it.
class AppControl
{
public:
    virtual ~AppControl() = default;
    virtual void quit() = 0;
};
