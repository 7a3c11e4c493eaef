// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>

// Milliseconds on the monotonic clock, counted from this process's first
// call: for measuring spans within one process.
inline double monotonicMs()
{
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return double(started.nsecsElapsed()) / 1e6;
}

// Milliseconds on the monotonic clock from its fixed reference (the
// machine's start): the same in every process, for spans across processes.
inline qint64 monotonicReferenceMs()
{
    QElapsedTimer timer;
    timer.start();
    return timer.msecsSinceReference();
}
