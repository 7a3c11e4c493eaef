// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/eventpump.h"

#include <utility>

ThrottledEvents::ThrottledEvents(ProcessEvents pump, std::chrono::milliseconds interval)
    : m_pump(std::move(pump)), m_interval(interval), m_last(std::chrono::steady_clock::now())
{
}

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
