// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printall.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/addresstext.h"
#include "platform/printer.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <vector>

PrintAllResult printAllTicked(const AddressListModel &list, const PrintAllSteps &steps)
{
    // Persistent indexes move with their entries when others come and go
    // during a pause, and turn invalid when their own entry is removed.
    std::vector<QPersistentModelIndex> entries;
    entries.reserve(size_t(list.count()));
    PrintAllResult result;
    for (int row = list.count() - 1; row >= 0; --row) {
        entries.emplace_back(list.index(row));
        result.total += list.isTicked(row) ? 1 : 0;
    }

    const auto stopped = [&] { return steps.stopped && (result.stopped = steps.stopped()); };
    for (const QPersistentModelIndex &entry : entries) {
        if (steps.processEvents)
            steps.processEvents();
        if (stopped())
            break;
        if (!entry.isValid() || !list.isTicked(entry.row()))
            continue;
        const QString text = list.text(entry.row());
        // An entry ticked during the run counts too.
        const int number = int(result.done.size()) + 1;
        result.total = std::max(result.total, number);
        if (steps.progress)
            steps.progress({number, result.total, text});
        if (const EnvelopeResult printed = steps.printEnvelope(text); !printed.succeeded()) {
            result.failure = printed;
            result.failedEntry = text;
            // Not printing on paper the printer lacks is the user's stop, not a failure.
            result.stopped = printed.outcome == EnvelopeResult::Outcome::Stopped
                || printed.outcome == EnvelopeResult::Outcome::Declined;
            break;
        }
        result.done << entry;
        if (stopped())
            break;
        if (steps.pause)
            steps.pause();
    }
    return result;
}

void finishOneDocument(PrintAllResult &result, Printer &printer)
{
    if (result.failed() || result.stopped) {
        printer.endDoc(Printer::DocumentEnd::Discard);
        result.done.clear();
        return;
    }
    const PrinterStatus status = printer.endDoc(Printer::DocumentEnd::Send);
    if (!status.ok()) {
        result.failure = {EnvelopeResult::Outcome::PrinterFailed, status.error};
        result.documentFailed = true;
        result.done.clear();
    }
    result.notice = status.notice;
}

QString firstLineOf(const QString &entry)
{
    for (QStringView line : splitAt(entry, kCrLf)) {
        if (!line.trimmed().isEmpty())
            return line.trimmed().toString();
    }
    return QCoreApplication::translate("PrintAll", "(an empty address)");
}

bool offerUntick(const PrintAllResult &result, BatchKind kind)
{
    return kind == BatchKind::JobEach && (result.failed() || result.stopped) && !result.done.isEmpty();
}

QString printAllFailureText(const PrintAllResult &result, BatchKind kind, const QString &file)
{
    const QString why = result.failure.reason;
    const QString entry = firstLineOf(result.failedEntry);
    if (kind == BatchKind::Pdf) {
        //: %1 is the file chosen, %2 why it was not written.
        const QString text = QCoreApplication::translate(
            "PrintAll", "The envelopes were not saved as \"%1\"; a file already there is as it was.\n\n%2");
        if (result.documentFailed)
            return text.arg(QDir::toNativeSeparators(file), why);
        return text.arg(
            QDir::toNativeSeparators(file),
            QCoreApplication::translate("PrintAll", "The envelope for \"%1\" could not be made:\n%2").arg(entry, why));
    }
    if (kind == BatchKind::OneJob) {
        if (result.documentFailed)
            return QCoreApplication::translate("PrintAll", "Print All sent nothing: the print job was refused.\n\n%1")
                .arg(why);
        return QCoreApplication::translate("PrintAll",
                                           "Print All sent nothing: the envelope for \"%1\" could not be made.\n\n%2")
            .arg(entry, why);
    }
    if (!result.failed())
        //: %1 of %2 is how many envelopes went out before the user stopped the run.
        return QCoreApplication::translate("PrintAll",
                                           "Print All was stopped after %1 of %2 envelopes.\n"
                                           "Untick the addresses already printed, so that the next Print All goes on "
                                           "from where it stopped?")
            .arg(result.done.size())
            .arg(result.total);
    if (result.done.isEmpty())
        return QCoreApplication::translate("PrintAll",
                                           "Print All printed nothing: the envelope for \"%1\" failed.\n\n%2")
            .arg(entry, why);
    //: %1 is the first line of the address whose envelope failed, %2 why, %3 of %4 how many went out.
    return QCoreApplication::translate("PrintAll",
                                       "Print All stopped at the envelope for \"%1\", which was not printed.\n\n%2\n\n"
                                       "Envelopes printed before it: %3 of %4.\n"
                                       "Untick the addresses already printed, so that the next Print All goes on "
                                       "from \"%1\"?")
        .arg(entry, why)
        .arg(result.done.size())
        .arg(result.total);
}
