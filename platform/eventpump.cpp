// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/eventpump.h"

#include "platform/clock.h"

#include <utility>

ThrottledEvents::ThrottledEvents(ProcessEvents pump, std::chrono::milliseconds interval)
    : m_pump(std::move(pump)),
      m_interval(interval),
      m_last(std::chrono::steady_clock::now())
{}

void ThrottledEvents::operator()()
{
    if (!m_pump)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (now - m_last < m_interval)
        return;
    m_last = now;
    m_pump();
}

void waitOnClock(EventPump &events, const Clock &clock, std::chrono::milliseconds length,
                 const std::function<bool()> &stop)
{
    const auto start = clock.now();
    for (auto elapsed = clock.now() - start; elapsed < length && !stop(); elapsed = clock.now() - start)
        events.waitFor(std::chrono::ceil<std::chrono::milliseconds>(length - elapsed), stop);
}
