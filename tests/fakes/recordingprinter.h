// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QStringList>
#include <functional>
#include <utility>

// Logs every call in order ("unit cm", "size 12", "paper printer", "x 0.2", "print A",
// "new page" (in an open document), "end send", ...) and keeps the lines of every document sent. Failures can be
// scripted.
class RecordingPrinter final : public Printer
{
public:
    void setScaleUnit(ScaleUnit unit) override { calls << (unit == ScaleUnit::Centimetres ? "unit cm" : "unit in"); }
    void setOrientation(Orientation orientation) override
    {
        calls << (orientation == Orientation::Landscape ? "orientation landscape" : "orientation portrait");
    }
    void setPaper(const Paper &paper) override
    {
        calls << QStringLiteral("paper %1%2%3")
                     .arg(paper.size ? paper.media : QStringLiteral("printer"),
                          paper.turned ? QStringLiteral(" turned") : QString(),
                          paper.printer.isEmpty() && paper.tray.isEmpty() && paper.paperType.isEmpty()
                              ? QString()
                              : QStringLiteral(" on '%1' tray '%2' type '%3'")
                                    .arg(paper.printer, paper.tray, paper.paperType));
    }
    PaperCheck checkPaper() override { return {{}, paperProblem}; }
    void setFontSize(double points) override { calls << QStringLiteral("size %1").arg(points); }
    void setFontName(const QString &face) override { calls << QStringLiteral("font %1").arg(face); }
    void setCurrentX(double x) override { calls << QStringLiteral("x %1").arg(x); }
    void setCurrentY(double y) override { calls << QStringLiteral("y %1").arg(y); }
    PrinterStatus print(const QString &line) override
    {
        if (!opened())
            return PrinterStatus::failure(failOpening);
        calls << QStringLiteral("print %1").arg(line);
        m_lines << line;
        if (onPrint)
            onPrint(line);
        return {};
    }
    PrinterStatus drawMarks(const std::function<PageMarks(const QSizeF &)> &) override
    {
        if (!opened())
            return PrinterStatus::failure(failOpening);
        calls << QStringLiteral("marks");
        return {};
    }
    void newPage() override
    {
        if (open)
            calls << QStringLiteral("new page"), m_lines << QStringLiteral("\f");
    }
    PrinterStatus endDoc(DocumentEnd end) override
    {
        calls << (end == DocumentEnd::Send ? "end send" : "end discard");
        const QStringList lines = std::exchange(m_lines, {});
        if (!std::exchange(open, false) || end == DocumentEnd::Discard)
            return {};
        if (!failSending.isEmpty())
            return PrinterStatus::failure(failSending);
        sent << lines;
        return {{}, notice};
    }

    QStringList calls;
    QList<QStringList> sent; // the lines of each document sent, a new page as "\f"
    bool open = false;
    QString failOpening;                              // the error of every document opening, when set
    QString failSending;                              // the error of every document sent, when set
    QString paperProblem;                             // what every paper check says
    QString notice;                                   // the notice of every document sent
    std::function<void(const QString &line)> onPrint; // after a line is printed

private:
    bool opened() { return open || failOpening.isEmpty() ? (open = true) : false; }
    QStringList m_lines;
};
