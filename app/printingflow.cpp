// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/printingflow.h"

#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/busycommand.h"
#include "app/envelopesetupdialog.h"
#include "app/form1ui.h"
#include "app/printprogress.h"
#include "platform/eventpump.h"
#include "platform/filedialogs.h"
#include "platform/messagebox.h"
#include "platform/qt/pdfsavetarget.h"
#include "platform/qt/qtprinter.h"
#include "printing/envelope.h"
#include "printing/printall.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

#include <memory>

namespace {

// The envelope of a batch's entry: the window's fields, with the entry as
// the to-address.
EnvelopeFields withToAddress(EnvelopeFields fields, const QString &entry)
{
    fields.toAddress.text = [entry] { return entry; };
    return fields;
}

} // namespace

PrintingFlow::PrintingFlow(Context context, QObject *parent) : QObject(parent), m_context(std::move(context)) {}

void PrintingFlow::processEvents()
{
    m_context.services.events.processEvents();
}

void PrintingFlow::newCommand()
{
    m_acceptedPaperProblem.clear();
    m_toldNotice.clear();
}

void PrintingFlow::printEntry(const std::optional<QString> &entry)
{
    if (m_printingEnvelope)
        return;
    newCommand();
    const EnvelopeResult result = printCurrentEnvelope(entry);
    if (!result.succeeded() && !result.reason.isEmpty() && !m_context.ending())
        m_context.services.messages.warning(result.message());
    tellNotice(result.notice);
}

void PrintingFlow::printTest()
{
    // Not inside an envelope's open document.
    if (m_context.ending() || m_printingEnvelope)
        return;
    newCommand();
    EnvelopeFields fields = m_context.fields();
    fields.printAnyway = [this](const QString &problem) { return printAnyway(problem); };
    const EnvelopeResult result = printTestEnvelope(fields, m_context.services.printer);
    if (!result.succeeded() && !result.reason.isEmpty() && !m_context.ending())
        m_context.services.messages.warning(result.message());
    tellNotice(result.notice);
}

EnvelopeResult PrintingFlow::printCurrentEnvelope(const std::optional<QString> &entry)
{
    if (m_context.ending() || m_printingEnvelope)
        return {EnvelopeResult::Outcome::Stopped, {}};
    const BusyCommand busy(m_context.ui.CommandPrint);
    m_printingEnvelope = true;
    EnvelopeFields fields = entry ? withToAddress(m_context.fields(), *entry) : m_context.fields();
    fields.printAnyway = [this](const QString &problem) { return printAnyway(problem); };
    const EnvelopeResult result = printEnvelope(
        fields, m_context.services.printer, [this] { processEvents(); }, m_context.ending);
    m_printingEnvelope = false;
    m_jobTrouble.sent(result.job, entry.value_or(m_context.ui.TextToAddress->text()));
    return result;
}

bool PrintingFlow::printAnyway(const QString &problem)
{
    if (problem == m_acceptedPaperProblem)
        return true;
    if (m_context.ending() || !m_context.services.messages.askYesNo(problem + u'\n' + tr("Print anyway?")))
        return false;
    m_acceptedPaperProblem = problem;
    return true;
}

void PrintingFlow::tellNotice(const QString &notice)
{
    if (m_context.ending() || notice.isEmpty() || notice == m_toldNotice)
        return;
    m_toldNotice = notice;
    m_context.services.messages.information(notice);
}

void PrintingFlow::printAll()
{
    if (m_context.ending() || m_progress)
        return;
    if (m_printingEnvelope) {
        // Clicked while an envelope's lines let events run: the run's first
        // envelope would land in that envelope's open job. It starts as
        // soon as that envelope is done; the button stays disabled till then.
        auto busy = std::make_shared<BusyCommand>(m_context.ui.CommandPrintAll);
        QTimer::singleShot(0, this, [this, busy] { printAll(); });
        return;
    }

    newCommand();
    const BatchKind kind = m_context.ui.envelopeSetup->printAllAsOneJob() ? BatchKind::OneJob : BatchKind::JobEach;
    const PrintAllResult result = runBatch(tr("Print All progress"), [&](PrintProgress &progress) {
        if (kind == BatchKind::JobEach)
            return printAllTicked(m_context.book, batchSteps(progress, kind, [this](const QString &entry) {
                                      m_context.ui.TextToAddress->setText(entry);
                                      const EnvelopeResult printed = printCurrentEnvelope();
                                      tellNotice(printed.notice);
                                      return m_jobTrouble.pauseAfter(printed, [this] { m_context.pause(2); });
                                  }));
        // The printer holds the batch's document: no other envelope meanwhile.
        const BusyCommand print(m_context.ui.CommandPrint);
        m_printingEnvelope = true;
        const auto done = qScopeGuard([this] { m_printingEnvelope = false; });
        return printAsOneDocument(progress, m_context.services.printer, kind);
    });
    tellNotice(result.notice);
    if (m_context.ending() || !(result.failed() || offerUntick(result, kind)))
        return;
    const QString text = printAllFailureText(result, kind);
    if (!offerUntick(result, kind)) {
        m_context.services.messages.warning(text);
        return;
    }
    // Print All then goes on from the envelope that failed, or where it stopped.
    if (m_context.services.messages.warnAndAsk(text)) {
        for (const QPersistentModelIndex &entry : result.done)
            if (entry.isValid())
                m_context.book.setTicked(entry.row(), false);
    }
}

void PrintingFlow::savePdf()
{
    if (m_context.ending() || m_progress)
        return;
    const QString path = m_context.fileDialogs().saveFile(
        tr("Save Envelopes as PDF"), m_pdfPath.isEmpty() ? QDir::home().filePath(tr("Envelopes.pdf")) : m_pdfPath,
        tr("PDF files (*.pdf)"), nullptr);
    if (path.isEmpty() || m_context.ending())
        return;
    m_pdfPath = path;

    PdfSaveTarget file(m_context.services.pages, path);
    QtPrinter printer(file);
    const PrintAllResult result = runBatch(tr("Saving envelopes as PDF"), [&](PrintProgress &progress) {
        return printAsOneDocument(progress, printer, BatchKind::Pdf);
    });
    if (result.failed() && !m_context.ending())
        m_context.services.messages.warning(printAllFailureText(result, BatchKind::Pdf, path));
}

PrintAllResult PrintingFlow::runBatch(const QString &title, const std::function<PrintAllResult(PrintProgress &)> &work)
{
    const BusyCommand busy(m_context.ui.CommandPrintAll);
    m_context.ui.SavePdfMenu->setEnabled(false);
    PrintProgress progress(m_context.window, m_context.ui.CommandPrintAll, title);
    m_progress = &progress;
    const auto done = qScopeGuard([this] {
        m_progress = nullptr;
        m_context.ui.SavePdfMenu->setEnabled(true);
    });
    return work(progress);
}

PrintAllSteps PrintingFlow::batchSteps(PrintProgress &progress, BatchKind kind,
                                       std::function<EnvelopeResult(const QString &entry)> envelope)
{
    const char *status = kind == BatchKind::JobEach ? QT_TR_NOOP("Printing envelope %1 of %2")
        : kind == BatchKind::OneJob                 ? QT_TR_NOOP("Preparing envelope %1 of %2")
                                                    : QT_TR_NOOP("Laying out envelope %1 of %2");
    return {
        [this] { processEvents(); },
        [this] { return batchStopped(); },
        [&progress, status](const PrintAllProgress &at) {
            progress.showEnvelope(tr(status).arg(at.number).arg(at.total), firstLineOf(at.entry), at.number, at.total);
        },
        std::move(envelope),
        {}, // Print All's pause after each job is the envelope's own (JobTroubleFlow)
    };
}

PrintAllResult PrintingFlow::printAsOneDocument(PrintProgress &progress, Printer &printer, BatchKind kind)
{
    int pages = 0;
    const auto page = [&](EnvelopeFields fields) {
        // A printer that lacks the paper is asked about once; a PDF has none.
        if (kind == BatchKind::OneJob)
            fields.printAnyway = [this](const QString &problem) { return printAnyway(problem); };
        const EnvelopeResult drawn = drawEnvelope(
            fields, printer, [this] { processEvents(); }, m_context.ending);
        pages += drawn.outcome == EnvelopeResult::Outcome::Printed ? 1 : 0;
        return drawn;
    };
    const PrintAllSteps steps = batchSteps(
        progress, kind, [&](const QString &entry) { return page(withToAddress(m_context.fields(), entry)); });
    PrintAllResult result = printAllTicked(m_context.book, steps);
    // A PDF of no ticked address is the envelope in the window.
    if (kind == BatchKind::Pdf && result.total == 0 && !result.stopped) {
        const QString current = m_context.ui.TextToAddress->text();
        steps.progress({1, 1, current});
        result.failure = page(m_context.fields());
        if (result.failed())
            result.failedEntry = current;
    }
    if (!result.failed() && !result.stopped)
        progress.showStep(kind == BatchKind::Pdf ? tr("Saving the PDF file") : tr("Sending the job to the printer"));
    finishOneDocument(result, printer);
    // A file chosen and nothing written to it would leave the user guessing.
    if (kind == BatchKind::Pdf && pages == 0 && !result.failed() && !result.stopped) {
        result.failure = {EnvelopeResult::Outcome::PrinterFailed, tr("There is no envelope to save: it has no line.")};
        result.documentFailed = true;
    }
    return result;
}

bool PrintingFlow::batchStopped() const
{
    return m_context.ending() || (m_progress && m_progress->stopAsked());
}
