// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QColor>
#include <QRectF>

class QPainter;

// A Printer that draws every page through a QPainter, whatever the device
// behind it: the paper's PDF and the preview's picture are drawn by this
// one routine, so that both put every line in the same place. Pages are
// drawn at the paper's resolution, from the top-left corner of their
// printable area.
class PaintedPrinter : public Printer
{
public:
    void setScaleUnit(ScaleUnit unit) override;
    void setOrientation(Orientation orientation) override;
    void setPaper(const Paper &paper) override;
    void setFontSize(double points) override;
    void setFontName(const QString &face) override;
    void setCurrentX(double x) override;
    void setCurrentY(double y) override;
    PrinterStatus print(const QString &line) override;
    PrinterStatus drawMarks(const std::function<PageMarks(const QSizeF &printable)> &marks) override;
    void newPage() override;

protected:
    // Where a page is drawn: a painter active on a device of kPaperDpi,
    // its origin at the printable corner, and the printable area's size in
    // the device's pixels.
    struct Canvas
    {
        QPainter *painter = nullptr;
        QSizeF printable;
    };

    // Opens the document with its first page, or, with a document open,
    // goes on to its next page.
    virtual PrinterStatus openPage(bool first, Canvas &canvas) = 0;
    // The ink of a line about to be drawn, its box in pixels from the
    // printable corner; the preview keeps the box.
    virtual QColor lineDrawn(const QString &, const QRectF &) { return Qt::black; }
    // The marks about to be drawn, in points from the printable corner.
    virtual void marksDrawn(const PageMarks &) {}
    // The document is closed: the next output opens another.
    void documentClosed();
    bool documentOpen() const { return m_canvas.painter != nullptr; }

    const Paper &paper() const { return m_paper; }
    Orientation orientation() const { return m_orientation; }

private:
    // Opens the document, or the new page asked for, before output.
    PrinterStatus readyPage();
    double pixelsPerUnit() const;

    ScaleUnit m_unit = ScaleUnit::Inches;
    Orientation m_orientation = Orientation::Portrait;
    Paper m_paper;
    double m_fontSize = 12;
    QString m_fontName;
    double m_x = 0;
    double m_y = 0;
    Canvas m_canvas;
    bool m_drawnOnPage = false;
    bool m_pageWanted = false;
};
