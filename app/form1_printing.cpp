// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's printing: one envelope, every ticked address (one job each, or
// all in one), and the same envelopes as a PDF file.
#include "app/form1.h"

#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/busycommand.h"
#include "app/envelopesetupdialog.h"
#include "app/printprogress.h"
#include "platform/eventpump.h"
#include "platform/filedialogs.h"
#include "platform/messagebox.h"
#include "platform/qt/pdfsavetarget.h"
#include "platform/qt/qtprinter.h"
#include "printing/envelope.h"
#include "printing/printall.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

#include <chrono>
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

void Form1::CommandPrint_Click()
{
    if (m_printingEnvelope)
        return;
    m_acceptedPaperProblem.clear();
    m_toldNotice.clear();
    const EnvelopeResult result = printCurrentEnvelope();
    if (!result.succeeded() && !result.reason.isEmpty() && !ending())
        m_services.messages.warning(result.message());
    tellNotice(result.notice);
}

EnvelopeResult Form1::printCurrentEnvelope()
{
    if (ending() || m_printingEnvelope)
        return {EnvelopeResult::Outcome::Stopped, {}};
    const BusyCommand busy(CommandPrint);
    m_printingEnvelope = true;
    EnvelopeFields fields = envelopeFields();
    fields.printAnyway = [this](const QString &problem) { return printAnyway(problem); };
    const EnvelopeResult result = printEnvelope(
        fields, m_services.printer, [this] { m_services.events.processEvents(); }, [this] { return ending(); });
    m_printingEnvelope = false;
    m_jobTrouble.sent(result.job, TextToAddress->text());
    return result;
}

bool Form1::printAnyway(const QString &problem)
{
    if (problem == m_acceptedPaperProblem)
        return true;
    if (ending() || !m_services.messages.askYesNo(problem + u'\n' + tr("Print anyway?")))
        return false;
    m_acceptedPaperProblem = problem;
    return true;
}

void Form1::tellNotice(const QString &notice)
{
    if (ending() || notice.isEmpty() || notice == m_toldNotice)
        return;
    m_toldNotice = notice;
    m_services.messages.information(notice);
}

void Form1::CommandPrintAll_Click()
{
    if (ending() || m_progress)
        return;
    if (m_printingEnvelope) {
        // Clicked while an envelope's lines let events run: the run's first
        // envelope would land in that envelope's open job. It starts as
        // soon as that envelope is done; the button stays disabled till then.
        auto busy = std::make_shared<BusyCommand>(CommandPrintAll);
        QTimer::singleShot(0, this, [this, busy] { CommandPrintAll_Click(); });
        return;
    }

    m_acceptedPaperProblem.clear();
    m_toldNotice.clear();
    const BatchKind kind = envelopeSetup->oneJob->isChecked() ? BatchKind::OneJob : BatchKind::JobEach;
    const PrintAllResult result = runBatch(tr("Print All progress"), [&](PrintProgress &progress) {
        if (kind == BatchKind::JobEach)
            return printAllTicked(*addressBook(), batchSteps(progress, kind, [this](const QString &entry) {
                TextToAddress->setText(entry);
                const EnvelopeResult printed = printCurrentEnvelope();
                tellNotice(printed.notice);
                return m_jobTrouble.pauseAfter(printed, [this] { Sleep1(2); });
            }));
        // The printer holds the batch's document: no other envelope meanwhile.
        const BusyCommand print(CommandPrint);
        m_printingEnvelope = true;
        const auto done = qScopeGuard([this] { m_printingEnvelope = false; });
        return printAsOneDocument(progress, m_services.printer, kind);
    });
    tellNotice(result.notice);
    if (!result.failed() || ending())
        return;
    const QString text = printAllFailureText(result, kind);
    if (!offerUntick(result, kind)) {
        m_services.messages.warning(text);
        return;
    }
    // Print All then goes on from the envelope that failed.
    if (m_services.messages.warnAndAsk(text)) {
        for (const QPersistentModelIndex &entry : result.done)
            if (entry.isValid())
                addressBook()->setTicked(entry.row(), false);
    }
}

void Form1::SavePdfMenu_Click()
{
    if (ending() || m_progress)
        return;
    const QString path = fileDialogs().saveFile(
        tr("Save Envelopes as PDF"), m_pdfPath.isEmpty() ? QDir::home().filePath(tr("Envelopes.pdf")) : m_pdfPath,
        tr("PDF files (*.pdf)"), nullptr);
    if (path.isEmpty() || ending())
        return;
    m_pdfPath = path;

    PdfSaveTarget file(m_services.pages, path);
    QtPrinter printer(file);
    const PrintAllResult result = runBatch(tr("Saving envelopes as PDF"), [&](PrintProgress &progress) {
        return printAsOneDocument(progress, printer, BatchKind::Pdf);
    });
    if (result.failed() && !ending())
        m_services.messages.warning(printAllFailureText(result, BatchKind::Pdf, path));
}

PrintAllResult Form1::runBatch(const QString &title, const std::function<PrintAllResult(PrintProgress &)> &work)
{
    const BusyCommand busy(CommandPrintAll);
    SavePdfMenu->setEnabled(false);
    PrintProgress progress(this, CommandPrintAll, title);
    m_progress = &progress;
    const auto done = qScopeGuard([this] {
        m_progress = nullptr;
        SavePdfMenu->setEnabled(true);
    });
    return work(progress);
}

PrintAllSteps Form1::batchSteps(PrintProgress &progress, BatchKind kind,
                                std::function<EnvelopeResult(const QString &entry)> envelope)
{
    const char *status = kind == BatchKind::JobEach ? QT_TR_NOOP("Printing envelope %1 of %2")
        : kind == BatchKind::OneJob                 ? QT_TR_NOOP("Preparing envelope %1 of %2")
                                                    : QT_TR_NOOP("Laying out envelope %1 of %2");
    return {
        [this] { m_services.events.processEvents(); },
        [this] { return batchStopped(); },
        [&progress, status](const PrintAllProgress &at) {
            progress.showEnvelope(tr(status).arg(at.number).arg(at.total), firstLineOf(at.entry), at.number, at.total);
        },
        std::move(envelope),
        {}, // Print All's pause after each job is the envelope's own (JobTroubleFlow)
    };
}

PrintAllResult Form1::printAsOneDocument(PrintProgress &progress, Printer &printer, BatchKind kind)
{
    int pages = 0;
    const auto page = [&](EnvelopeFields fields) {
        // A printer that lacks the paper is asked about once; a PDF has none.
        if (kind == BatchKind::OneJob)
            fields.printAnyway = [this](const QString &problem) { return printAnyway(problem); };
        const EnvelopeResult drawn = drawEnvelope(
            fields, printer, [this] { m_services.events.processEvents(); }, [this] { return ending(); });
        pages += drawn.outcome == EnvelopeResult::Outcome::Printed ? 1 : 0;
        return drawn;
    };
    const PrintAllSteps steps =
        batchSteps(progress, kind, [&](const QString &entry) { return page(withToAddress(envelopeFields(), entry)); });
    PrintAllResult result = printAllTicked(*addressBook(), steps);
    // A PDF of no ticked address is the envelope in the window.
    if (kind == BatchKind::Pdf && result.total == 0 && !result.stopped) {
        const QString current = TextToAddress->text();
        steps.progress({1, 1, current});
        result.failure = page(envelopeFields());
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

bool Form1::batchStopped() const
{
    return ending() || (m_progress && m_progress->stopAsked());
}

// The pause after each envelope, with the window responsive; Stop ends it.
void Form1::Sleep1(int seconds)
{
    waitOnClock(m_services.events, m_services.clock, std::chrono::seconds(seconds), [this] { return batchStopped(); });
}
