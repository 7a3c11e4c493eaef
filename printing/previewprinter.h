// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/paintedprinter.h"

#include <QList>
#include <QPainter>
#include <QPicture>
#include <QRectF>

#include <memory>
#include <optional>

// The envelope drawn for the screen: the envelope routine drives this
// Printer exactly as it drives the paper, and it draws each page into a
// picture by the same routine as the paper's, keeping where each line
// lands. Positions are in points from the page's top-left corner as the
// envelope lies in front of the reader (a turned page is turned back);
// lines that run off the printable area are drawn in a warning colour.
class PreviewPrinter final : public PaintedPrinter
{
public:
    enum Edge { Left = 1, Top = 2, Right = 4, Bottom = 8 };

    struct Line
    {
        QString text;
        QRectF box;      // the line's extent on the page
        int runsOff = 0; // the Edge values of the printable area it crosses
    };

    // `pages` gives the page and its unprintable edges; without it, or when
    // it cannot tell, the paper asked for (A4 for the printer's) without edges.
    explicit PreviewPrinter(PageSource *pages = nullptr);
    ~PreviewPrinter() override;

    PaperCheck checkPaper() override;
    PrinterStatus endDoc(DocumentEnd end) override;

    // The last envelope laid out: its page, printable area and lines.
    QRectF page() const { return m_page; }
    QRectF printable() const { return m_printable; }
    const QList<Line> &lines() const { return m_lines; }
    // The marks of the last page laid out, in points from the page's corner.
    const PageMarks &marks() const { return m_marks; }
    // The last page as drawn, in pixels of kPaperDpi from the page's corner.
    const QPicture &picture() const { return m_picture; }
    // What the printer does with the last envelope's paper when it lacks
    // it; empty when it has it.
    QString paperProblem() const { return m_known ? m_known->answer.paperProblem : QString(); }
    // Asks the printer for its page again at the next envelope (its paper
    // may have changed); otherwise it is asked once per paper.
    void forgetPage() { m_known.reset(); }

protected:
    PrinterStatus openPage(bool first, Canvas &canvas) override;
    QColor lineDrawn(const QString &text, const QRectF &box) override;
    void marksDrawn(const PageMarks &marks) override;

private:
    const PageAnswer &knownPage();
    void endPicture();

    PageSource *m_pages;
    struct Known
    {
        Paper paper;
        Orientation orientation;
        PageAnswer answer;
    };
    std::optional<Known> m_known;
    QRectF m_page;
    QRectF m_printable;
    QList<Line> m_lines;
    QList<Line> m_drawing; // the page being drawn
    PageMarks m_marks;
    PageMarks m_drawingMarks;
    QPicture m_picture;
    std::unique_ptr<QPicture> m_drawingPicture;
    QPainter m_painter;
};

// One line of text for the reader: how many lines run off which edge of
// the printable area, or that every line fits.
QString overflowSummary(const QList<PreviewPrinter::Line> &lines);
