// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QMargins>
#include <QMarginsF>
#include <QSize>
#include <QSizeF>
#include <QStringList>

#include <optional>
#include <utility>

// What a printer's description (PPD) says that its print server does not
// report over IPP: the way it turns a landscape page, and the unprintable
// edges of a custom size.
struct PpdFacts
{
    std::optional<LandscapeTurn> turn;        // *LandscapeOrientation; nothing when absent or "Any"
    std::optional<QMarginsF> hardwareMargins; // *HWMargins, in points, portrait: left, top, right, bottom
};
PpdFacts readPpd(QByteArrayView ppd);

// The turn of IPP's landscape-orientation-requested-preferred value:
// landscape (4) turns the page counter-clockwise, reverse-landscape (5)
// clockwise; nothing for any other value.
std::optional<LandscapeTurn> turnOfIppOrientation(int orientation);

// The unprintable edges of portrait media (left, top, right, bottom) as a
// landscape page lies on it once the printer has turned it.
QMarginsF landscapeEdges(const QMarginsF &portrait, LandscapeTurn turn);

// The custom sizes a printer takes, portrait, and their unprintable edges.
struct CustomSizes
{
    QSizeF smallest; // millimetres, short edge first
    QSizeF largest;
    QMarginsF edges; // points, portrait

    // True when the portrait size `mm` lies within the range.
    bool take(const QSizeF &mm) const;
};

// A size as the print server lists it (or asks for it), in CUPS's unit:
// hundredths of a millimetre, portrait.
struct ListedMedia
{
    QString name; // its PWG name; empty for a size the printer does not list
    QSize size;
    std::optional<QMargins> margins; // unprintable edges: left, top, right, bottom; nothing when unknown

    // The margins in points; none when unknown.
    QMarginsF edges() const;
};

// The job's "media-col" collection as libcups encodes it from a string:
// the size with its edges, the tray (media-source) and the paper type
// (media-type), each left out when not given. The scheduler maps each
// member onto a PPD's PageSize, InputSlot and MediaType, and a driverless
// printer reads them alike. Empty when there is nothing to ask for; a tray
// or type that is no IPP keyword is left out.
QByteArray mediaCol(const std::optional<ListedMedia> &media, QByteArrayView tray, QByteArrayView paperType);

// A job's options by name, as libcups takes them from lpoptions and lp's -o.
using JobOptions = QList<std::pair<QByteArray, QByteArray>>;

// The options a job goes out with, as lp would send them: the queue's own
// (the user's lpoptions for it among them), less those that would override
// what the envelope set-up asks for in `mediaCol` (its size, tray or paper
// type), then `mediaCol` itself, and the size's PWG name as "media" when
// `mediaName` is given. With nothing asked for, the user's own options decide.
JobOptions jobOptions(const JobOptions &queues, QByteArrayView mediaCol, QByteArrayView mediaName = {});

// A job as the print server reports it while it is followed.
struct JobReport
{
    int state = 0;                 // IPP job-state: 3 pending ... 9 completed
    QStringList reasons;           // job-state-reasons
    QString jobMessage;            // job-printer-state-message
    int printerState = 0;          // IPP printer-state: 3 idle, 4 processing, 5 stopped
    QString printerMessage;        // printer-state-message
    bool printerWasPaused = false; // stopped already when the job was handed over: the user was told
};

// What a report says of the job: on its way (pending, printing), done
// (completed, or cancelled by someone), or in trouble (stopped, held,
// aborted, or waiting on a printer that stopped since), with the words
// for the user in `trouble` (its job and queue left to the caller).
enum class JobFate { Going, Done, Trouble };
struct JobVerdict
{
    JobFate fate = JobFate::Going;
    JobTrouble trouble;
};
JobVerdict judgeJob(const JobReport &report);

// A job's trouble for the user: what happened, the printer's reason, what
// to do; with the envelope it was (the first line of its to-address)
// named first when known.
QString jobTroubleReason(const JobTrouble &trouble);
QString jobTroubleText(const JobTrouble &trouble, const QString &envelope);
