// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/backgroundquestion.h"

#include "platform/logging.h"

BackgroundQuestions::BackgroundQuestions(const QString &name, std::chrono::milliseconds ending)
    : m_name(name),
      m_ending(ending),
      m_pool(std::make_unique<QThreadPool>())
{
    m_pool->setObjectName(name);
    m_pool->setMaxThreadCount(kThreads);
}

BackgroundQuestions::~BackgroundQuestions()
{
    // Questions not started yet are not asked; those running end at their
    // own deadlines, and are waited for at most till then.
    m_pool->clear();
    if (m_pool->waitForDone(int(m_ending.count())))
        return;
    qCWarning(lcCups) << m_name << "still had a question running when the program ended";
    // Destroying the pool would wait on for the stuck thread: left to the
    // program's end instead.
    (void)m_pool.release();
}
