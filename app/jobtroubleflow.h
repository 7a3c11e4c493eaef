// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"
#include "printing/envelope.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QString>

#include <functional>
#include <optional>

class MessageBox;
class PageSource;

// What the print server does with an envelope's job after taking it: the
// job followed a while, and the user told, in words, which envelope a job
// in trouble was, what happened and what to do. In Print All, an envelope
// whose job meets trouble during the pause after it counts as failed.
class JobTroubleFlow final
{
public:
    JobTroubleFlow(PageSource *pages, MessageBox &messages, std::function<bool()> ending);
    ~JobTroubleFlow();
    JobTroubleFlow(const JobTroubleFlow &) = delete;
    JobTroubleFlow &operator=(const JobTroubleFlow &) = delete;

    // The envelope for `entry` went out as `job` (0: none went out).
    void sent(int job, const QString &entry);
    // Print All's pause after an envelope: a job that meets trouble
    // meanwhile makes the envelope failed, with the printer's reason.
    EnvelopeResult pauseAfter(EnvelopeResult printed, const std::function<void()> &pause);

private:
    void troubled(const JobTrouble &trouble);

    PageSource *m_pages;
    MessageBox &m_messages;
    std::function<bool()> m_ending;
    struct Sent
    {
        QString envelope; // the entry's first line
        QDeadlineTimer followed;
    };
    QHash<int, Sent> m_sent; // by job, while the print server follows it
    int m_awaited = 0;       // the job Print All pauses after
    std::optional<JobTrouble> m_awaitedTrouble;
};
