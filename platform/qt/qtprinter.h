// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QPageLayout>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>

class QPainter;
class QPdfWriter;
class QTemporaryDir;

// Where QtPrinter's finished documents go, and the page they are laid out
// on (asked for before each document opens).
class PrintTarget : public PageSource
{
public:
    // The page of the next job, as the printer takes it now: an error when
    // it cannot take a job.
    virtual PrinterStatus jobPage(const Paper &paper, QPageLayout::Orientation orientation, PageAnswer &answer)
    {
        return pageLayout(paper, orientation, answer);
    }
    // Hands a finished PDF document over as one job, asking for the paper
    // (media, tray, paper type) its page was last asked for.
    virtual PrinterStatus submit(const QString &pdfFile, const QString &title) = 0;
};

// True when the PDF file is whole: it ends with its end-of-file marker,
// after a cross-reference table that lies within it. A document cut short
// (by a full disk, say) is not.
bool isWholePdf(const QString &path);

// The Printer over QPdfWriter and QPainter. Each document is drawn into a PDF
// file of its own and handed to the target only when it is ended, so that
// a dropped document never reaches the printer and a refused one is known.
// The painter's origin is the top-left corner of the printable area.
class QtPrinter final : public Printer
{
public:
    explicit QtPrinter(PrintTarget &target);
    ~QtPrinter() override;

    void setScaleUnit(ScaleUnit unit) override;
    void setOrientation(Orientation orientation) override;
    void setPaper(const Paper &paper) override;
    PrinterStatus checkPaper(QString &problem) override;
    void setFontSize(double points) override;
    void setFontName(const QString &face) override;
    void setCurrentX(double x) override;
    void setCurrentY(double y) override;
    PrinterStatus print(const QString &line) override;
    PrinterStatus drawMarks(const std::function<PageMarks(const QSizeF &printable)> &marks) override;
    void newPage() override;
    PrinterStatus endDoc(DocumentEnd end) override;

private:
    PrinterStatus openDocument();
    // Opens the document, or the new page asked for, before output.
    PrinterStatus readyPage();
    void closeDocument();
    double unitsPerInch() const;

    PrintTarget &m_target;
    ScaleUnit m_unit = ScaleUnit::Inches;
    Orientation m_orientation = Orientation::Portrait;
    Paper m_paper;
    double m_fontSize = 12;
    QString m_fontName;
    double m_x = 0;
    double m_y = 0;
    bool m_drawnOnPage = false;
    bool m_pageWanted = false;

    // The page last asked for, and for which paper and orientation.
    std::optional<std::pair<Paper, Orientation>> m_askedFor;
    QPageLayout m_page;

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_file;
    std::unique_ptr<QPdfWriter> m_device;
    std::unique_ptr<QPainter> m_painter;
};

// A target that keeps every document as a PDF file in a folder, on a page
// it is given: the page without a print system.
class PdfFileTarget final : public PrintTarget
{
public:
    // Documents are laid out on `page` turned to the orientation asked for,
    // or on the paper asked for; `page`'s minimum margins stand for the
    // unprintable edges of either as it lies.
    PdfFileTarget(const QPageLayout &page, const QString &folder);

    PrinterStatus pageLayout(const Paper &paper, QPageLayout::Orientation orientation, PageAnswer &answer) override;
    PrinterStatus submit(const QString &pdfFile, const QString &title) override;

    QStringList files; // the documents submitted, oldest first

private:
    QPageLayout m_page;
    QString m_folder;
};
