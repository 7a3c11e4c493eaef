// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/qtprinter.h"

// Where "Save Envelopes as PDF..." puts its document: the file the user
// chose, replaced as a whole (replaceFile), so that a failed write leaves a
// file already there as it was. Nothing goes to a printer. The pages are
// laid out as the printer lays them out, unprintable edges included, so
// that the PDF shows where printing puts each line; without a printer that
// can tell, on the paper asked for without edges.
class PdfSaveTarget final : public PrintTarget
{
public:
    PdfSaveTarget(PageSource *pages, const QString &path);

    PageAnswer pageLayout(const Paper &paper, QPageLayout::Orientation orientation) override;
    PrinterStatus submit(const QByteArray &pdf, const QString &title) override;

private:
    PageSource *m_pages;
    QString m_path;
};
