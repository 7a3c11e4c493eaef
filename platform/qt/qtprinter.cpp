// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtprinter.h"

#include "printing/units.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPdfWriter>

#include <utility>

namespace {
// Where a PDF's end lies: its last bytes hold "startxref", the table's
// offset and "%%EOF".
constexpr qsizetype kPdfTail = 1024;
// The print job's name in the printer's queue.
QString jobTitle()
{
    return QCoreApplication::translate("QtPrinter", "Quillon envelope");
}
} // namespace

QtPrinter::QtPrinter(PrintTarget &target) : m_target(target) {}

QtPrinter::~QtPrinter()
{
    // A document still open when the program ends is not sent half-done.
    closeDocument();
}

PaperCheck QtPrinter::checkPaper()
{
    // The pages of one document share the paper asked for at its first.
    if (documentOpen() && m_askedFor == std::pair(paper(), orientation()))
        return {{}, m_paperProblem};
    const auto pageOrientation =
        orientation() == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    m_askedFor.reset();
    const PageAnswer answer = m_target.jobPage(paper(), pageOrientation);
    if (!answer.status.ok())
        return {answer.status, {}};
    m_askedFor = {paper(), orientation()};
    m_page = answer.layout;
    m_paperProblem = answer.paperProblem;
    return {{}, m_paperProblem};
}

PrinterStatus QtPrinter::openPage(bool first, Canvas &canvas)
{
    if (first)
        return openDocument(canvas);
    // The painter keeps its state, the turn included, from page to page.
    if (!m_device->newPage())
        return PrinterStatus::failure(
            QCoreApplication::translate("QtPrinter", "Quillon could not start a new page of the envelopes' document."));
    return {};
}

PrinterStatus QtPrinter::openDocument(Canvas &canvas)
{
    // The page asked for just before, unless the paper has changed since.
    if (m_askedFor != std::pair(paper(), orientation())) {
        if (const PaperCheck check = checkPaper(); !check.status.ok())
            return check.status;
    }

    // In memory: the document goes to the print server from there, with no
    // file to make, read back and remove.
    m_document = std::make_unique<QBuffer>();
    m_document->open(QIODevice::WriteOnly);
    // A PDF writer, not a QPrinter: a QPrinter asks the print server for
    // its default printer as it is made, on this thread, however long that takes.
    m_device = std::make_unique<QPdfWriter>(m_document.get());
    m_device->setResolution(kPaperDpi);
    m_device->setTitle(jobTitle());
    m_device->setCreator(QStringLiteral("Quillon"));
    m_painter = std::make_unique<QPainter>();
    // The page's margins are its unprintable edges: the painter's origin
    // is the printable corner.
    if (!m_device->setPageLayout(m_page) || !m_painter->begin(m_device.get())) {
        m_painter.reset();
        m_device.reset();
        m_document.reset();
        return PrinterStatus::failure(
            QCoreApplication::translate("QtPrinter", "Quillon cannot start the envelope's document."));
    }
    if (paper().turned) {
        // Turned about the printable area's centre: the origin lies at the
        // printable corner of the envelope fed the other way round.
        m_painter->translate(m_device->width(), m_device->height());
        m_painter->rotate(180);
    }
    canvas = {m_painter.get(), QSizeF(m_device->width(), m_device->height())};
    return {};
}

PrinterStatus QtPrinter::endDoc(DocumentEnd end)
{
    if (!m_painter)
        return {};
    documentClosed();
    const bool written = m_painter->end();
    // The painter's end may report success for a document it could not
    // finish (no memory left for it): only a whole document goes out.
    m_device.reset();
    PrinterStatus status;
    if (end == DocumentEnd::Send) {
        const QByteArray &pdf = m_document->data();
        status = written && isWholePdf(pdf) ? m_target.submit(pdf, jobTitle())
                                            : PrinterStatus::failure(QCoreApplication::translate(
                                                "QtPrinter", "Quillon could not make the whole envelope document."));
    }
    closeDocument();
    return status;
}

void QtPrinter::closeDocument()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_device.reset();
    m_document.reset();
    documentClosed();
}

bool isWholePdf(QByteArrayView pdf)
{
    const QByteArrayView tail = pdf.last(std::min<qsizetype>(pdf.size(), kPdfTail)).trimmed();
    if (!tail.endsWith("%%EOF"))
        return false;
    const qsizetype at = tail.lastIndexOf("startxref");
    if (at < 0)
        return false;
    const qsizetype digits = tail.size() - at - 9 - 5;
    if (digits <= 0)
        return false;
    bool ok = false;
    const qint64 table = tail.sliced(at + 9, digits).trimmed().toLongLong(&ok);
    if (!ok || table <= 0 || table >= pdf.size())
        return false;
    return pdf.sliced(table).startsWith("xref");
}
