// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/appcontrol.h"

// Leaves the toolkit's event loops, the main one included.
class QtAppControl final : public AppControl
{
public:
    void quit() override;
};
