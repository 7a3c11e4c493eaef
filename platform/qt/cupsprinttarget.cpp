// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/cupsprinttarget.h"

#include "platform/qt/backgroundquestion.h"
#include "platform/qt/cupsquestions.h"

#include <QCoreApplication>
#include <QFile>
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

// The page of `paper` on `printer`, and the media the job asks for.
PageAnswer pageOf(const CupsPrinter &printer, const Paper &paper, QPageLayout::Orientation orientation,
                  QByteArray &media)
{
    PageAnswer answer;
    QPageSize size;
    QMarginsF portrait;
    media.clear();
    if (!paper.size) {
        // The printer's own paper, as its queue's default names it.
        size = printer.defaultPaperMM.isEmpty()
            ? QPageSize(QPageSize::A4)
            : QPageSize(printer.defaultPaperMM, QPageSize::Millimeter, {}, QPageSize::FuzzyMatch);
        portrait = printer.defaultEdges;
    } else {
        size = *paper.size;
        media = paper.media.toUtf8();
        const QSizeF mm = size.size(QPageSize::Millimeter);
        if (const auto listed = printer.media ? printer.media->bySize(mm) : std::nullopt) {
            media = listed->first.toUtf8();
            portrait = listed->second;
        } else if (printer.custom && printer.custom->take(mm)) {
            portrait = printer.custom->edges;
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
    // The margins are the unprintable edges as the page lies, so that
    // offsets count from its printable corner.
    const QMarginsF edges = orientation == QPageLayout::Landscape
        ? landscapeEdges(portrait, printer.turn.value_or(LandscapeTurn::Clockwise))
        : portrait;
    answer.layout = QPageLayout(size, orientation, edges, QPageLayout::Point, edges);
    return answer;
}

} // namespace

CupsDefaultPrinter::CupsDefaultPrinter() : m_context(std::make_unique<QObject>()) {}

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

PrinterStatus CupsDefaultPrinter::pageLayout(const Paper &paper, QPageLayout::Orientation orientation,
                                             PageAnswer &answer)
{
    const std::shared_ptr<const CupsPrinter> printer = known(paper.printer);
    if (!printer) {
        refresh(paper);
        return PrinterStatus::failure(
            QCoreApplication::translate("CupsDefaultPrinter", "Quillon has not heard from the print service yet."));
    }
    QByteArray media;
    answer = pageOf(*printer, paper, orientation, media);
    return {};
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
    askInBackground<CupsAnswer>(
        m_context.get(), [queue, printer = known(queue)] { return askPrintServer(queue, true, printer, kAnswerTime); },
        [this, queue](CupsAnswer answer) {
            m_refreshing = false;
            if (absorb(answer, queue))
                tellChanged();
        });
}

PrinterStatus CupsDefaultPrinter::jobPage(const Paper &paper, QPageLayout::Orientation orientation, PageAnswer &answer)
{
    // Asked afresh for every envelope: the printer may have stopped
    // accepting jobs, or the default changed, since the last one.
    const QString queue = paper.printer;
    const std::optional<CupsAnswer> reply = askAndWait<CupsAnswer>(
        [queue, printer = known(queue)] { return askPrintServer(queue, false, printer, kAnswerTime); },
        kAnswerTime + kSlack);
    if (!reply)
        return PrinterStatus::failure(unanswered(CupsReach::Silent, queue, {}));
    if (reply->reach != CupsReach::Answered)
        return PrinterStatus::failure(unanswered(reply->reach, queue, reply->error));
    if (absorb(*reply, queue))
        tellChanged();

    const CupsPrinter &printer = *reply->printer;
    // Qt's print support would hand the job over and report success.
    if (!printer.accepting)
        return PrinterStatus::failure(
            QCoreApplication::translate("CupsDefaultPrinter",
                                        "The printer \"%1\" is not accepting jobs.\n"
                                        "Let it accept jobs in the system's printer settings and try again.")
                .arg(printer.queue));
    answer = pageOf(printer, paper, orientation, m_job.media);
    m_job.queue = printer.queue;
    m_job.tray = paper.tray.toUtf8();
    m_job.paperType = paper.paperType.toUtf8();
    m_job.paused = printer.paused;
    return {};
}

PrinterStatus CupsDefaultPrinter::submit(const QString &pdfFile, const QString &title)
{
    QFile file(pdfFile);
    if (!file.open(QIODevice::ReadOnly))
        return PrinterStatus::failure(
            QCoreApplication::translate("CupsDefaultPrinter", "Quillon cannot read the envelope's document (%1).")
                .arg(file.errorString()));
    const QByteArray pdf = file.readAll();
    QList<std::pair<QByteArray, QByteArray>> options;
    for (const auto &[option, value] : {std::pair{QByteArray("media"), m_job.media},
                                        {QByteArray("media-source"), m_job.tray},
                                        {QByteArray("media-type"), m_job.paperType}}) {
        if (!value.isEmpty())
            options.append({option, value});
    }
    const std::optional<CupsJobAnswer> reply = askAndWait<CupsJobAnswer>(
        [queue = m_job.queue, pdf, title, options] { return sendJob(queue, pdf, title, options, kJobTime); },
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
    if (m_job.paused)
        status.notice = QCoreApplication::translate(
                            "CupsDefaultPrinter",
                            "The printer \"%1\" is paused: the envelope waits in its queue and prints when the "
                            "printer is resumed.")
                            .arg(m_job.queue);
    return status;
}
