// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/eventpump.h"

// The toolkit's event loop.
class QtEventPump final : public EventPump
{
public:
    void processEvents() override;
    void waitFor(std::chrono::milliseconds duration, const std::function<bool()> &stop) override;
};
