// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QRectF>
#include <optional>

// The envelope laid out for the screen: the envelope routine drives this
// Printer exactly as it drives the paper, and it records where each line
// lands instead of drawing it. Positions are in points from the page's
// top-left corner as the envelope lies in front of the reader (a turned
// page is turned back).
class PreviewPrinter final : public Printer
{
public:
    enum Edge { Left = 1, Top = 2, Right = 4, Bottom = 8 };

    struct Line
    {
        QString text;
        QFont font;      // in its print size
        QRectF box;      // the line's extent on the page
        int runsOff = 0; // the Edge values of the printable area it crosses
    };

    // `pages` gives the page and its unprintable edges; without it, or when
    // it cannot tell, the paper asked for (A4 for the printer's) without edges.
    explicit PreviewPrinter(PageSource *pages = nullptr);

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

    // The last envelope laid out: its page, printable area and lines.
    QRectF page() const { return m_page; }
    QRectF printable() const { return m_printable; }
    const QList<Line> &lines() const { return m_lines; }
    // The marks of the last page laid out, in points from the page's corner.
    const PageMarks &marks() const { return m_marks; }
    // What the printer does with the last envelope's paper when it lacks
    // it; empty when it has it.
    QString paperProblem() const { return m_known ? m_known->answer.paperProblem : QString(); }
    // Asks the printer for its page again at the next envelope (its paper
    // may have changed); otherwise it is asked once per paper.
    void forgetPage() { m_known.reset(); }

private:
    const PageAnswer &knownPage();
    PrinterStatus openPage();
    double pointsPerUnit() const;

    PageSource *m_pages;
    ScaleUnit m_unit = ScaleUnit::Inches;
    Orientation m_orientation = Orientation::Portrait;
    Paper m_paper;
    QFont m_font;
    double m_x = 0;
    double m_y = 0;
    bool m_open = false;
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
    QList<Line> m_drawing; // the envelope being laid out
    PageMarks m_marks;
    PageMarks m_drawingMarks;
    QImage m_metricsDevice; // measures fonts at the paper's resolution
};

// One line of text for the reader: how many lines run off which edge of
// the printable area, or that every line fits.
QString overflowSummary(const QList<PreviewPrinter::Line> &lines);
