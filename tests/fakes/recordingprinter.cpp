// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/recordingprinter.h"

#include <utility>

PrinterStatus RecordingPrinter::print(const QString &line)
{
    if (!open && !failOpening.isEmpty())
        return PrinterStatus::failure(failOpening);
    open = true;
    calls << QStringLiteral("print %1").arg(line);
    m_lines << line;
    if (onPrint)
        onPrint(line);
    return {};
}

PrinterStatus RecordingPrinter::drawMarks(const std::function<PageMarks(const QSizeF &printable)> &)
{
    if (!open && !failOpening.isEmpty())
        return PrinterStatus::failure(failOpening);
    open = true;
    calls << QStringLiteral("marks");
    return {};
}

PrinterStatus RecordingPrinter::endDoc(DocumentEnd end)
{
    calls << (end == DocumentEnd::Send ? "end send" : "end discard");
    const QStringList lines = std::exchange(m_lines, {});
    if (!std::exchange(open, false) || end == DocumentEnd::Discard)
        return {};
    if (!failSending.isEmpty())
        return PrinterStatus::failure(failSending);
    sent << lines;
    return {};
}
