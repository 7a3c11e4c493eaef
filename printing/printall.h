// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/eventpump.h"
#include "printing/envelope.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QString>
#include <functional>

class AddressListModel;
class Printer;

// Where a run is: the envelope it is about to make, of how many, and for
// which entry.
struct PrintAllProgress
{
    int number = 0;
    int total = 0; // the entries ticked when the run started, or more when ticked since
    QString entry;
};

// What "Print All Selected Address" does around each entry.
struct PrintAllSteps
{
    ProcessEvents processEvents;                                       // once per entry, before its tick is read
    std::function<bool()> stopped;                                     // true once the user stops or the program ends
    std::function<void(const PrintAllProgress &)> progress;            // before each envelope
    std::function<EnvelopeResult(const QString &entry)> printEnvelope; // a failure ends the run
    std::function<void()> pause; // after every envelope, the last included, unless stopped; none: no pause
};

struct PrintAllResult
{
    int total = 0;                     // the entries ticked when the run started, or more when ticked since
    QList<QPersistentModelIndex> done; // the entries whose envelope went out (or onto a page), in run order
    QString failedEntry;               // the entry whose envelope failed
    EnvelopeResult failure{EnvelopeResult::Outcome::Printed, {}};
    bool stopped = false;        // by the user, or by the program's end
    bool documentFailed = false; // every envelope was drawn, and their one document failed
    QString notice;              // for the user although the one document went out (the printer is paused, say)

    bool failed() const
    {
        return failure.outcome == EnvelopeResult::Outcome::BadField
            || failure.outcome == EnvelopeResult::Outcome::PrinterFailed;
    }
};

// Prints one envelope for every ticked entry, from the last position
// upwards. The run covers the entries listed when it starts and follows
// them, not their positions, while events run: an entry removed meanwhile is
// not printed, one added meanwhile is not part of the run, and each tick is
// read when the run reaches its entry. It ends at the first envelope that
// fails, and once stopped: after the envelope being made, with no pause.
PrintAllResult printAllTicked(const AddressListModel &list, const PrintAllSteps &steps);

// Ends a run whose envelopes were drawn as the pages of one document
// (drawEnvelope): sends the document as one job when every envelope was
// drawn and nothing stopped the run, else drops it. Unless the document
// went out, no envelope was printed; a document refused is the run's failure.
void finishOneDocument(PrintAllResult &result, Printer &printer);

// How a batch is made: Print All's envelopes one job each, with a pause
// after each; all in one job; or all in one PDF file.
enum class BatchKind { JobEach, OneJob, Pdf };

// How a failed batch is told: how many envelopes were printed, which entry
// failed (its first line) and why; for a PDF, that `file` was not written.
// For Print All stopped by the user with envelopes printed, how many were.
QString printAllFailureText(const PrintAllResult &result, BatchKind kind, const QString &file = {});
// Whether that text ends by asking to untick the entries already printed,
// so that the next run goes on from the one that failed or where it was
// stopped: when envelopes went out one job each, and some did.
bool offerUntick(const PrintAllResult &result, BatchKind kind);

// An entry as the user knows it: its first line that is not blank.
QString firstLineOf(const QString &entry);
