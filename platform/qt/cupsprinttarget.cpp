// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/cupsprinttarget.h"

#include "platform/logging.h"
#include "platform/qt/backgroundquestion.h"
#include "platform/qt/cupsquestions.h"
#include "printing/units.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// A little longer than the question's own deadline, so that its answer
// (the server's silence, named as such) comes first.
constexpr std::chrono::milliseconds kSlack{1000};

QString printerName(const QString &queue)
{
    return queue.isEmpty() ? QCoreApplication::translate("CupsDefaultPrinter", "default printer") : queue;
}

// What keeps a job from the printer, for the user; empty when nothing does.
QString unanswered(CupsReach reach, const QString &queue, const QString &error)
{
    // The server's own words go to the log where the user's message leaves them out.
    if (reach != CupsReach::Answered && reach != CupsReach::Failed && !error.isEmpty())
        qCWarning(lcCups) << "print server, printer" << printerName(queue) << ":" << error;
    switch (reach) {
    case CupsReach::Answered: return {};
    case CupsReach::Unreachable:
        return QCoreApplication::translate("CupsDefaultPrinter",
                                           "Quillon cannot reach the print service (CUPS).\n"
                                           "Check that it is running.");
    case CupsReach::Silent:
        return QCoreApplication::translate("CupsDefaultPrinter",
                                           "The print service (CUPS) does not answer.\n"
                                           "It may be busy or stuck: try again in a moment, or restart it.");
    case CupsReach::NoDefault:
        return QCoreApplication::translate("CupsDefaultPrinter",
                                           "Quillon found no default printer.\n"
                                           "Check that the print service (CUPS) is running and that a default "
                                           "printer is chosen in the system's printer settings.");
    case CupsReach::NoSuchPrinter:
        if (queue.isEmpty())
            return unanswered(CupsReach::NoDefault, queue, error);
        return QCoreApplication::translate("CupsDefaultPrinter",
                                           "The printer \"%1\" chosen in the envelope set-up no longer exists.\n"
                                           "Choose another printer under Options > Envelope.")
            .arg(queue);
    case CupsReach::Failed:
        return QCoreApplication::translate("CupsDefaultPrinter",
                                           "The print system refused the envelope for the printer \"%1\":\n%2")
            .arg(printerName(queue), error);
    }
    return {};
}

// The page of `paper` on `printer`, and the media-col the job asks for:
// the size, tray and paper type together, none of them for the
// printer's own paper and its own choice of tray and type.
// A page answer that is only why there is none.
PageAnswer refusedPage(const QString &error)
{
    return {PrinterStatus::failure(error), {}, {}};
}

PageAnswer pageOf(const CupsPrinter &printer, const Paper &paper, QPageLayout::Orientation orientation,
                  QByteArray &media, QByteArray &mediaName)
{
    PageAnswer answer;
    QPageSize size;
    QMarginsF portrait;
    std::optional<ListedMedia> asked;
    if (!paper.size) {
        // The printer's own paper, as its queue's default names it.
        size = printer.defaultPaperMM.isEmpty()
            ? QPageSize(QPageSize::A4)
            : QPageSize(printer.defaultPaperMM, QPageSize::Millimeter, {}, QPageSize::FuzzyMatch);
        portrait = printer.defaultEdges;
    } else {
        size = *paper.size;
        const QSizeF mm = size.size(QPageSize::Millimeter);
        asked = ListedMedia{paper.media, QSize(qRound(mm.width() * 100), qRound(mm.height() * 100)), std::nullopt};
        if (const auto listed = printer.media ? printer.media->bySize(mm) : std::nullopt) {
            asked = listed;
            portrait = listed->edges();
        } else if (printer.custom && printer.custom->take(mm)) {
            portrait = printer.custom->edges;
            asked->margins = (portrait / kPointsPerHundredthMm).toMargins();
        } else {
            // A queue without a driver hands the page on as it is; a driver
            // fits it to some paper the printer has.
            const char *problem = printer.raw
                ? QT_TRANSLATE_NOOP("CupsDefaultPrinter",
                                    "The printer \"%1\" has no driver: the print service passes the envelope's "
                                    "page of %2 × %3 mm to it unchanged, and the printer itself decides what paper "
                                    "it prints on.")
                : QT_TRANSLATE_NOOP("CupsDefaultPrinter",
                                    "The printer \"%1\" lists no paper of %2 × %3 mm and takes no custom size "
                                    "like it: the print service will print the envelope on other paper, "
                                    "scaled or moved.");
            answer.paperProblem =
                QCoreApplication::translate("CupsDefaultPrinter", problem)
                    .arg(printer.queue, QString::number(mm.width(), 'f', 0), QString::number(mm.height(), 'f', 0));
        }
    }
    media = mediaCol(asked, paper.tray.toUtf8(), paper.paperType.toUtf8());
    mediaName = asked ? asked->name.toUtf8() : QByteArray();
    // The margins are the unprintable edges as the page lies, so that
    // offsets count from its printable corner.
    const QMarginsF edges = orientation == QPageLayout::Landscape
        ? landscapeEdges(portrait, printer.turn.value_or(LandscapeTurn::Clockwise))
        : portrait;
    answer.layout = QPageLayout(size, orientation, edges, QPageLayout::Point, edges);
    return answer;
}

} // namespace

CupsDefaultPrinter::CupsDefaultPrinter()
    : m_context(std::make_unique<QObject>()),
      m_questions(std::make_unique<BackgroundQuestions>(QStringLiteral("quillon-cups"), kJobTime + kSlack))
{}

CupsDefaultPrinter::~CupsDefaultPrinter() = default;

std::shared_ptr<const CupsPrinter> CupsDefaultPrinter::known(const QString &queue) const
{
    const auto it = m_known.find(queue.isEmpty() ? m_defaultQueue : queue);
    return it == m_known.end() ? nullptr : it->second;
}

bool CupsDefaultPrinter::absorb(const CupsAnswer &answer, const QString &asked)
{
    bool changed = false;
    if (!answer.queues.isEmpty() && answer.queues != m_queues) {
        m_queues = answer.queues;
        changed = true;
    }
    if (!answer.printer)
        return changed;
    if (asked.isEmpty() && m_defaultQueue != answer.printer->queue) {
        m_defaultQueue = answer.printer->queue;
        changed = true;
    }
    std::shared_ptr<const CupsPrinter> &kept = m_known[answer.printer->queue];
    changed = changed || !kept || kept->changeKey != answer.printer->changeKey;
    kept = answer.printer;
    return changed;
}

void CupsDefaultPrinter::tellChanged()
{
    // Not from inside whatever asked: the handler lays pages out again.
    if (m_changed)
        QTimer::singleShot(0, m_context.get(), [this] { m_changed(); });
}

PageAnswer CupsDefaultPrinter::pageLayout(const Paper &paper, QPageLayout::Orientation orientation)
{
    const std::shared_ptr<const CupsPrinter> printer = known(paper.printer);
    if (!printer) {
        refresh(paper);
        return refusedPage(
            QCoreApplication::translate("CupsDefaultPrinter", "Quillon has not heard from the print service yet."));
    }
    QByteArray media;
    QByteArray name;
    return pageOf(*printer, paper, orientation, media, name);
}

PrinterDescription CupsDefaultPrinter::describe(const Paper &paper)
{
    PrinterDescription description;
    description.queues = m_queues;
    if (const std::shared_ptr<const CupsPrinter> printer = known(paper.printer)) {
        description.queue = printer->queue;
        description.turn = printer->turn;
        description.trays = printer->trays;
        description.paperTypes = printer->paperTypes;
    }
    return description;
}

void CupsDefaultPrinter::refresh(const Paper &paper)
{
    if (m_refreshing)
        return;
    m_refreshing = true;
    const QString queue = paper.printer;
    m_questions->askInBackground<CupsAnswer>(
        m_context.get(), [queue, printer = known(queue)] { return askPrintServer(queue, true, printer, kAnswerTime); },
        [this, queue](CupsAnswer answer) {
            m_refreshing = false;
            if (absorb(answer, queue))
                tellChanged();
        });
}

PageAnswer CupsDefaultPrinter::jobPage(const Paper &paper, QPageLayout::Orientation orientation)
{
    // Asked afresh for every envelope: the printer may have stopped
    // accepting jobs, or the default changed, since the last one.
    const QString queue = paper.printer;
    const std::optional<CupsAnswer> reply = m_questions->askAndWait<CupsAnswer>(
        [queue, printer = known(queue)] { return askPrintServer(queue, false, printer, kAnswerTime); },
        kAnswerTime + kSlack);
    if (!reply)
        return refusedPage(unanswered(CupsReach::Silent, queue, {}));
    if (reply->reach != CupsReach::Answered)
        return refusedPage(unanswered(reply->reach, queue, reply->error));
    if (absorb(*reply, queue))
        tellChanged();

    const CupsPrinter &printer = *reply->printer;
    // Qt's print support would hand the job over and report success.
    if (!printer.accepting)
        return refusedPage(
            QCoreApplication::translate("CupsDefaultPrinter",
                                        "The printer \"%1\" is not accepting jobs.\n"
                                        "Let it accept jobs in the system's printer settings and try again.")
                .arg(printer.queue));
    QByteArray mediaCol, mediaName;
    PageAnswer answer = pageOf(printer, paper, orientation, mediaCol, mediaName);
    // A PPD queue's scheduler puts the queue's default media on a job that
    // names none, and takes it before the collection's size.
    m_job.options = jobOptions(printer.options, mediaCol, printer.hasPpd ? mediaName : QByteArray());
    m_job.queue = printer.queue;
    m_job.paused = printer.paused;
    return answer;
}

PrinterStatus CupsDefaultPrinter::submit(const QByteArray &pdf, const QString &title)
{
    const std::optional<CupsJobAnswer> reply = m_questions->askAndWait<CupsJobAnswer>(
        [queue = m_job.queue, pdf, title, options = m_job.options] {
            return sendJob(queue, pdf, title, options, kJobTime);
        },
        kJobTime + kSlack);
    if (!reply || reply->reach == CupsReach::Silent)
        return PrinterStatus::failure(
            QCoreApplication::translate("CupsDefaultPrinter",
                                        "The print service (CUPS) stopped answering while the envelope was sent. "
                                        "It may not have been printed: look at the printer's queue before "
                                        "printing it again."));
    if (reply->reach != CupsReach::Answered)
        return PrinterStatus::failure(unanswered(reply->reach, m_job.queue, reply->error));
    PrinterStatus status;
    status.job = reply->job;
    if (reply->job > 0)
        follow(reply->job, m_job.queue, m_job.paused, QDeadlineTimer(kFollowTime));
    if (m_job.paused)
        status.notice = QCoreApplication::translate(
                            "CupsDefaultPrinter",
                            "The printer \"%1\" is paused: the envelope waits in its queue and prints when the "
                            "printer is resumed.")
                            .arg(m_job.queue);
    return status;
}

void CupsDefaultPrinter::follow(int job, const QString &queue, bool paused, QDeadlineTimer until)
{
    m_questions->askInBackground<CupsJobReport>(
        m_context.get(), [queue, job] { return askJobState(queue, job, kAnswerTime); },
        [this, job, queue, paused, until](CupsJobReport answer) {
            if (answer.reach == CupsReach::Answered) {
                answer.report.printerWasPaused = paused;
                auto [fate, trouble] = judgeJob(answer.report);
                if (fate == JobFate::Done)
                    return;
                if (fate == JobFate::Trouble) {
                    trouble.job = job;
                    trouble.queue = queue;
                    qCWarning(lcCups) << "job" << job << "on" << queue << ":" << trouble.what << trouble.reason;
                    if (m_jobTrouble)
                        m_jobTrouble(trouble);
                    return;
                }
            }
            if (!until.hasExpired())
                QTimer::singleShot(kFollowStep, m_context.get(),
                                   [this, job, queue, paused, until] { follow(job, queue, paused, until); });
        });
}
