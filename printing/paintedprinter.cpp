// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/paintedprinter.h"

#include "printing/units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <utility>

namespace {
// The test envelope's lines and numbers: fine, but visible on any printer.
constexpr double kMarkLineWidth = 0.3; // points
constexpr double kMarkFontSize = 6;
} // namespace

void PaintedPrinter::setScaleUnit(ScaleUnit unit)
{
    m_unit = unit;
}
void PaintedPrinter::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
}
void PaintedPrinter::setPaper(const Paper &paper)
{
    m_paper = paper;
}
void PaintedPrinter::setFontSize(double points)
{
    m_fontSize = points;
}
void PaintedPrinter::setFontName(const QString &face)
{
    m_fontName = face;
}
void PaintedPrinter::setCurrentX(double x)
{
    m_x = x;
}
void PaintedPrinter::setCurrentY(double y)
{
    m_y = y;
}

double PaintedPrinter::pixelsPerUnit() const
{
    return kPaperDpi / (m_unit == ScaleUnit::Centimetres ? kCentimetresPerInch : 1.0);
}

PrinterStatus PaintedPrinter::readyPage()
{
    const bool first = !documentOpen();
    if (!first && !std::exchange(m_pageWanted, false))
        return {};
    if (PrinterStatus status = openPage(first, m_canvas); !status.ok())
        return status;
    m_drawnOnPage = false;
    return {};
}

void PaintedPrinter::newPage()
{
    if (documentOpen() && m_drawnOnPage)
        m_pageWanted = true;
}

void PaintedPrinter::documentClosed()
{
    m_canvas = {};
    m_pageWanted = m_drawnOnPage = false;
}

PrinterStatus PaintedPrinter::print(const QString &line)
{
    if (PrinterStatus status = readyPage(); !status.ok())
        return status;
    m_drawnOnPage = true;
    QPainter &painter = *m_canvas.painter;
    // The face is passed on as typed; fontconfig substitutes one the
    // system lacks.
    QFont font(m_fontName);
    font.setPointSizeF(m_fontSize);
    const QFontMetricsF metrics(font, painter.device());
    const QPointF topLeft(m_x * pixelsPerUnit(), m_y * pixelsPerUnit());
    const QColor ink = lineDrawn(line, QRectF(topLeft, QSizeF(metrics.horizontalAdvance(line), metrics.height())));
    painter.setPen(ink);
    painter.setFont(font);
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), line);
    m_x = 0;
    m_y += metrics.lineSpacing() / pixelsPerUnit();
    return {};
}

PrinterStatus PaintedPrinter::drawMarks(const std::function<PageMarks(const QSizeF &printable)> &marks)
{
    if (PrinterStatus status = readyPage(); !status.ok())
        return status;
    m_drawnOnPage = true;
    QPainter &painter = *m_canvas.painter;
    const PageMarks drawn = marks(m_canvas.printable / kPixelsPerPoint);
    marksDrawn(drawn);
    const auto toDevice = [](const QPointF &point) { return point * kPixelsPerPoint; };
    painter.save();
    painter.setPen(QPen(Qt::black, kMarkLineWidth * kPixelsPerPoint));
    for (const QLineF &line : drawn.lines)
        painter.drawLine(QLineF(toDevice(line.p1()), toDevice(line.p2())));
    QFont font;
    font.setPointSizeF(kMarkFontSize);
    const QFontMetricsF metrics(font, painter.device());
    painter.setFont(font);
    for (const PageMarks::Label &label : drawn.labels)
        painter.drawText(toDevice(label.topLeft) + QPointF(0, metrics.ascent()), label.text);
    painter.restore();
    return {};
}
