// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qteventpump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

void QtEventPump::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::waitFor(std::chrono::milliseconds duration, const std::function<bool()> &stop)
{
    // An event loop that sleeps until the next event or the deadline,
    // instead of spinning; `stop` is looked at a few times a second so a
    // program that is ending does not wait out the pause.
    const QDeadlineTimer deadline(duration, Qt::PreciseTimer);
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (deadline.hasExpired() || (stop && stop()))
            loop.quit();
        else
            tick.start(int(std::min<qint64>(100, std::max<qint64>(1, deadline.remainingTime()))));
    });
    tick.setSingleShot(true);
    tick.start(int(std::min<qint64>(100, std::max<qint64>(0, deadline.remainingTime()))));
    loop.exec();
}
