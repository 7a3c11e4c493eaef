// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes/recordingprinter.h"

void RecordingPrinter::setScaleUnit(ScaleUnit unit)
{
    m_unit = unit;
    calls << (unit == ScaleUnit::Centimetres ? QStringLiteral("unit cm") : QStringLiteral("unit in"));
}

void RecordingPrinter::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
    calls << (orientation == Orientation::Landscape ? QStringLiteral("orientation landscape")
                                                    : QStringLiteral("orientation portrait"));
}

void RecordingPrinter::setFontSize(double points)
{
    m_fontSize = points;
    calls << QStringLiteral("size %1").arg(points);
}

void RecordingPrinter::setFontName(const QString &face)
{
    m_fontName = face;
    calls << QStringLiteral("font %1").arg(face);
}

void RecordingPrinter::setCurrentX(double x)
{
    m_x = x;
    calls << QStringLiteral("x %1").arg(x);
}

void RecordingPrinter::setCurrentY(double y)
{
    m_y = y;
    calls << QStringLiteral("y %1").arg(y);
}

PrinterStatus RecordingPrinter::print(const QString &line)
{
    if (!m_open) {
        if (!failOpening.isEmpty()) {
            calls << QStringLiteral("open failed");
            return PrinterStatus::failure(failOpening);
        }
        m_open = true;
        m_document = Document{{}, m_orientation, false};
    }
    calls << QStringLiteral("print %1").arg(line);
    m_document.lines.append({line, m_x, m_y, m_fontName, m_fontSize});
    m_x = 0;
    m_y += lineHeight(m_fontSize);
    if (onPrint)
        onPrint(line);
    return {};
}

PrinterStatus RecordingPrinter::endDoc(DocumentEnd end)
{
    calls << (end == DocumentEnd::Send ? QStringLiteral("end send") : QStringLiteral("end discard"));
    if (!m_open)
        return {};
    m_open = false;
    const bool refused = end == DocumentEnd::Send && !failSending.isEmpty();
    m_document.sent = end == DocumentEnd::Send && !refused;
    documents.append(m_document);
    return refused ? PrinterStatus::failure(failSending) : PrinterStatus{};
}

double RecordingPrinter::lineHeight(double points) const
{
    const double inches = points * 1.2 / 72.0;
    return m_unit == ScaleUnit::Centimetres ? inches * 2.54 : inches;
}

QList<RecordingPrinter::Document> RecordingPrinter::sentDocuments() const
{
    QList<Document> sent;
    for (const Document &document : documents) {
        if (document.sent)
            sent.append(document);
    }
    return sent;
}
