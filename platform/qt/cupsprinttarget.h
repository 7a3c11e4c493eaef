// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printerfacts.h"
#include "platform/qt/qtprinter.h"

#include <QByteArray>
#include <QDeadlineTimer>

#include <chrono>
#include <map>
#include <memory>

class BackgroundQuestions;
struct CupsAnswer;
struct CupsPrinter;
class QObject;

// The printer the set-up names, or the system's default, through CUPS:
// whether it accepts jobs, its own default paper, the sizes it lists and
// their unprintable edges (from the queue's media database, which for a
// driver's queue comes from its PPD), the custom sizes it takes, its trays
// and paper types, the way it turns a landscape page onto its media, and
// the job itself. The print server is asked on threads of its own: once
// per envelope for the printer's state, and for the rest only when the
// printer's set-up has changed.
class CupsDefaultPrinter final : public PrintTarget
{
public:
    // How long the print server may take to answer before it counts as
    // not answering: a question, and handing a job over.
    static constexpr std::chrono::milliseconds kAnswerTime{5000};
    static constexpr std::chrono::milliseconds kJobTime{15000};
    // How long a job is followed after it is handed over, and how often
    // the print server is asked about it meanwhile.
    static constexpr std::chrono::milliseconds kFollowStep{500};

    CupsDefaultPrinter();
    ~CupsDefaultPrinter() override;

    // From what is known, never waiting; asks in the background when
    // nothing is known yet.
    PageAnswer pageLayout(const Paper &paper, QPageLayout::Orientation orientation) override;
    PrinterDescription describe(const Paper &paper) override;
    void refresh(const Paper &paper) override;
    void setChangeHandler(std::function<void()> changed) override { m_changed = std::move(changed); }
    void setJobTroubleHandler(std::function<void(const JobTrouble &)> handler) override
    {
        m_jobTrouble = std::move(handler);
    }
    // Asks the print server now, the window responsive meanwhile.
    PageAnswer jobPage(const Paper &paper, QPageLayout::Orientation orientation) override;
    PrinterStatus submit(const QByteArray &pdf, const QString &title) override;

private:
    std::shared_ptr<const CupsPrinter> known(const QString &queue) const;
    // Takes an answer in; true when it changes what the set-up or the
    // preview show.
    bool absorb(const CupsAnswer &answer, const QString &asked);
    void tellChanged();
    // Asks about a job handed over until it is done, meets trouble, or
    // `until` has passed.
    void follow(int job, const QString &queue, bool paused, QDeadlineTimer until);

    std::map<QString, std::shared_ptr<const CupsPrinter>> m_known; // by queue
    QString m_defaultQueue;                                        // as the server last named it
    QStringList m_queues;
    bool m_refreshing = false;
    std::function<void()> m_changed;
    std::function<void(const JobTrouble &)> m_jobTrouble;
    std::unique_ptr<QObject> m_context; // answers from the background arrive here

    // The job the last page was asked for.
    struct Job
    {
        QString queue;
        JobOptions options; // the user's own, and the size, tray and paper type asked for
        bool paused = false;
    } m_job;
    // Last, so that it goes first: its questions are waited for while what
    // they report to is still there.
    std::unique_ptr<BackgroundQuestions> m_questions;
};
