// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>

class Clock;

// Lets the window's pending events run during long work, so that the
// window stays responsive. Units that loop take a ProcessEvents callback.
using ProcessEvents = std::function<void()>;

class EventPump
{
public:
    virtual ~EventPump() = default;
    // Runs the pending events once.
    virtual void processEvents() = 0;
    // Runs events for the given time without spinning the processor;
    // returns early once stop() answers true.
    virtual void waitFor(std::chrono::milliseconds duration, const std::function<bool()> &stop) = 0;
};

// Waits until the clock has moved on by length, letting events run without
// spinning the processor; a pump that wakes early waits again, so a pause
// lasts as long on the clock whatever the event loop does. Returns early
// once stop() answers true.
void waitOnClock(EventPump &events, const Clock &clock, std::chrono::milliseconds length,
                 const std::function<bool()> &stop);

// Calls the pump at most once per interval: a loop over tens of thousands
// of records need not run the event loop for every one of them.
class ThrottledEvents
{
public:
    explicit ThrottledEvents(ProcessEvents pump, std::chrono::milliseconds interval = std::chrono::milliseconds(15));
    void operator()();

private:
    ProcessEvents m_pump;
    std::chrono::steady_clock::duration m_interval;
    std::chrono::steady_clock::time_point m_last;
};
