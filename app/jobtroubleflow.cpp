// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/jobtroubleflow.h"

#include "platform/messagebox.h"
#include "platform/printerfacts.h"
#include "printing/printall.h"

#include <QScopeGuard>

JobTroubleFlow::JobTroubleFlow(PageSource *pages, MessageBox &messages, std::function<bool()> ending)
    : m_pages(pages),
      m_messages(messages),
      m_ending(std::move(ending))
{
    if (m_pages)
        m_pages->setJobTroubleHandler([this](const JobTrouble &trouble) { troubled(trouble); });
}

JobTroubleFlow::~JobTroubleFlow()
{
    // The print server's answers may come after the window.
    if (m_pages)
        m_pages->setJobTroubleHandler({});
}

void JobTroubleFlow::sent(int job, const QString &entry)
{
    // Jobs that went well are never heard of again: forgotten once their
    // following is over, so that a long run keeps only the recent ones.
    m_sent.removeIf([](const auto &sent) { return sent.value().followed.hasExpired(); });
    if (job > 0)
        m_sent.insert(job, {firstLineOf(entry), QDeadlineTimer(2 * PageSource::kFollowTime)});
}

EnvelopeResult JobTroubleFlow::pauseAfter(EnvelopeResult printed, const std::function<void()> &pause)
{
    if (printed.outcome != EnvelopeResult::Outcome::Printed)
        return printed;
    m_awaited = printed.job;
    m_awaitedTrouble.reset();
    const auto done = qScopeGuard([this] { m_awaited = 0; });
    pause();
    if (!m_awaitedTrouble)
        return printed;
    return {EnvelopeResult::Outcome::PrinterFailed, jobTroubleReason(*m_awaitedTrouble)};
}

void JobTroubleFlow::troubled(const JobTrouble &trouble)
{
    if (trouble.job == m_awaited) {
        m_awaitedTrouble = trouble;
        return;
    }
    const QString envelope = m_sent.take(trouble.job).envelope;
    if (m_ending())
        return;
    m_messages.warning(jobTroubleText(trouble, envelope));
}
