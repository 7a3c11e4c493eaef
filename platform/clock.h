// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

// A monotonic clock: a pause across midnight lasts as long as any other.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::chrono::steady_clock::time_point now() const = 0;
};

class SteadyClock final : public Clock
{
public:
    std::chrono::steady_clock::time_point now() const override { return std::chrono::steady_clock::now(); }
};
