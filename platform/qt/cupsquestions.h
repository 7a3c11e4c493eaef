// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printerfacts.h"

#include <QByteArray>
#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>
#include <utility>

struct cups_size_s;

// The questions Quillon asks the print server (CUPS), each on a connection
// of its own that gives up at a deadline, so that they can run on any
// thread and a server that accepts a connection and never answers cannot
// hold anything up for longer than that.

// How a question went.
enum class CupsReach {
    Answered,
    Unreachable,   // no print server to connect to
    Silent,        // connected, but no answer before the deadline
    NoDefault,     // the server has no default printer
    NoSuchPrinter, // the server does not know the queue
    Failed,        // the server answered with an error
};

// The printer's media list, for looking sizes up without asking the server.
class CupsMedia
{
public:
    virtual ~CupsMedia() = default;
    // The listed media of the portrait size `mm`, with its unprintable edges.
    virtual std::optional<ListedMedia> bySize(const QSizeF &mm) const = 0;
};

// What the print server says about one printer.
struct CupsPrinter
{
    QString queue;
    QString changeKey; // changes whenever the printer's set-up changes
    bool accepting = true;
    bool paused = false;
    QString defaultPaperName; // PWG
    QSizeF defaultPaperMM;    // portrait
    QMarginsF defaultEdges;   // points, portrait
    std::optional<LandscapeTurn> turn;
    std::optional<CustomSizes> custom;
    QList<PrinterChoice> trays;
    QList<PrinterChoice> paperTypes;
    std::shared_ptr<const CupsMedia> media;
    JobOptions options; // the queue's and the user's own options for its jobs, as lp sends them
};

struct CupsAnswer
{
    CupsReach reach = CupsReach::Unreachable;
    QString error;      // the server's own words, with Failed
    QStringList queues; // when asked for
    std::shared_ptr<const CupsPrinter> printer;
};

// Asks about `queue` (empty: the server's default printer), and for the
// server's queues when `withQueues`. The facts of `known` are kept when the
// printer's set-up has not changed since, and only its state is asked.
CupsAnswer askPrintServer(const QString &queue, bool withQueues, const std::shared_ptr<const CupsPrinter> &known,
                          std::chrono::milliseconds deadline);

struct CupsJobAnswer
{
    CupsReach reach = CupsReach::Unreachable;
    int job = 0;   // the id the server gave the job
    QString error; // with Failed
};

// Hands a PDF document to `queue` as one job with the given job options.
CupsJobAnswer sendJob(const QString &queue, const QByteArray &pdf, const QString &title, const JobOptions &options,
                      std::chrono::milliseconds deadline);

struct CupsJobReport
{
    CupsReach reach = CupsReach::Unreachable;
    JobReport report;
};

// Asks how job `job` on `queue` is going, and how its printer is.
CupsJobReport askJobState(const QString &queue, int job, std::chrono::milliseconds deadline);
