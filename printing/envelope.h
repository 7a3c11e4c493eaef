// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/eventpump.h"
#include "printing/envelopesize.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>
#include <functional>

class Printer;

// The printed lines of an address text: split at every CR LF, so that a
// lone CR or LF stays inside its line, two CR LF in a row give an empty
// line, a final CR LF gives an empty last line and an empty text gives no
// line at all. The lines view `address`, which must outlive them.
QList<QStringView> envelopeLines(QStringView address);

// Reads one field of the window as it stands at this moment.
using FieldText = std::function<QString()>;

// One block of the envelope: an address and where and how it is printed.
struct EnvelopeBlock
{
    QString name; // how messages name the block: "Return address"
    FieldText text;
    FieldText fontSize; // points
    FieldText fontName;
    FieldText offsetX; // centimetres, read afresh for every line
    FieldText offsetY; // centimetres
};

struct EnvelopeFields
{
    EnvelopeBlock returnAddress;
    EnvelopeBlock toAddress;
    // The envelope set-up, read once per envelope; none: the printer's
    // paper, unshifted, unturned.
    std::function<EnvelopeSetup()> setup;
    // Asked, with what the printer will do instead, when it lacks the
    // envelope's paper: true prints anyway. None prints anyway.
    std::function<bool(const QString &problem)> printAnyway;
};

struct EnvelopeResult
{
    enum class Outcome {
        Printed,        // one job sent
        NothingToPrint, // both addresses empty: no job
        BadField,       // a number the envelope needs is unusable: no job
        PrinterFailed,  // the printer or the print system refused: no job
        Stopped,        // the program is ending: the document was dropped
        Declined,       // the printer lacks the paper and the user chose not to print: no job
    };

    Outcome outcome;
    QString reason;      // what kept the envelope from the printer, with BadField and PrinterFailed
    QString notice = {}; // for the user although the job went out (the printer is paused, say)
    int job = 0;         // the print server's id of the job that went out; 0: none, or not known

    bool succeeded() const { return outcome == Outcome::Printed || outcome == Outcome::NothingToPrint; }
    // For the user of one envelope: the reason, and that nothing was printed.
    QString message() const;
};

// Prints one envelope: the return block, then the to-address block, each at
// its offsets in centimetres plus the set-up's shift and in its own print
// font, on one landscape page of the set-up's paper, one job. Every number
// it will use is checked before the printer is touched, and the printer is
// asked about the paper before the first line. The fields are read when each is needed, as the window holds
// them then; `processEvents` runs before every line, after which a true
// `stopped()` drops the document. A field that has become unusable since
// the check keeps its last valid value of this envelope. The document is
// always ended or dropped before this returns.
EnvelopeResult printEnvelope(const EnvelopeFields &fields, Printer &printer, const ProcessEvents &processEvents,
                             const std::function<bool()> &stopped, const QLocale &locale = QLocale::system());

// Draws one envelope as printEnvelope() does, but on a page of its own of
// the document the printer has open (or opens), and leaves the document
// open for more: the pages of a batch sent as one job. After a failure the
// document is of no use: the caller drops it.
EnvelopeResult drawEnvelope(const EnvelopeFields &fields, Printer &printer, const ProcessEvents &processEvents,
                            const std::function<bool()> &stopped, const QLocale &locale = QLocale::system());

// Prints the test envelope (testEnvelopeMarks) on the set-up's paper, as an
// envelope's page is set up, with a cross where each block starts: its
// offsets plus the shift. Its numbers are checked like an envelope's, with
// the same messages, and nothing is printed when one is unusable.
EnvelopeResult printTestEnvelope(const EnvelopeFields &fields, Printer &printer,
                                 const QLocale &locale = QLocale::system());
