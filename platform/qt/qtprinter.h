// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"
#include "printing/paintedprinter.h"

#include <QPageLayout>

#include <memory>
#include <optional>
#include <utility>

class QBuffer;
class QPainter;
class QPdfWriter;

// Where QtPrinter's finished documents go, and the page they are laid out
// on (asked for before each document opens).
class PrintTarget : public PageSource
{
public:
    // The page of the next job, as the printer takes it now: an error when
    // it cannot take a job.
    virtual PageAnswer jobPage(const Paper &paper, QPageLayout::Orientation orientation)
    {
        return pageLayout(paper, orientation);
    }
    // Hands a finished PDF document over as one job, asking for the paper
    // (media, tray, paper type) its page was last asked for.
    virtual PrinterStatus submit(const QByteArray &pdf, const QString &title) = 0;
};

// True when the PDF document is whole: it ends with its end-of-file marker,
// after a cross-reference table that lies within it. A document cut short
// is not.
bool isWholePdf(QByteArrayView pdf);

// The Printer on paper: each document is drawn into a PDF document of its
// own, in memory, and handed to the target only when it is ended, so that a
// dropped document never reaches the printer and a refused one is known.
class QtPrinter final : public PaintedPrinter
{
public:
    explicit QtPrinter(PrintTarget &target);
    ~QtPrinter() override;

    PaperCheck checkPaper() override;
    PrinterStatus endDoc(DocumentEnd end) override;

protected:
    PrinterStatus openPage(bool first, Canvas &canvas) override;

private:
    PrinterStatus openDocument(Canvas &canvas);
    void closeDocument();

    PrintTarget &m_target;
    // The page last asked for, and for which paper and orientation.
    std::optional<std::pair<Paper, Orientation>> m_askedFor;
    QPageLayout m_page;
    QString m_paperProblem;

    std::unique_ptr<QBuffer> m_document;
    std::unique_ptr<QPdfWriter> m_device;
    std::unique_ptr<QPainter> m_painter;
};
