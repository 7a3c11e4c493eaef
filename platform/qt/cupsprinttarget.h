// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/qtprinter.h"

#include <QByteArray>

// The system's default printer, through CUPS: its default destination,
// whether it accepts jobs, its page and printable area, and the job itself.
// The unprintable edges are those CUPS lists for the media (from the
// queue's media database, which for a driver's queue comes from its PPD's
// ImageableArea); where it lists none they are taken as 0.
class CupsDefaultPrinter final : public PrintTarget
{
public:
    PrinterStatus pageLayout(const Paper &paper, QPageLayout::Orientation orientation, QPageLayout &layout) override;
    PrinterStatus submit(const QString &pdfFile, const QString &title) override;

    // The id CUPS gave the last job handed over, 0 before the first.
    int lastJob() const { return m_lastJob; }

private:
    QByteArray m_destination;
    QByteArray m_media; // asked of the job; empty: the queue's own paper
    int m_lastJob = 0;
};
