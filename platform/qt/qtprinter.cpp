// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtprinter.h"

#include "printing/units.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <utility>

namespace {
// Where a PDF's end lies: its last bytes hold "startxref", the table's
// offset and "%%EOF".
constexpr qint64 kPdfTail = 1024;
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

PrinterStatus QtPrinter::checkPaper(QString &problem)
{
    // The pages of one document share the paper asked for at its first.
    if (documentOpen() && m_askedFor == std::pair(paper(), orientation())) {
        problem = m_paperProblem;
        return {};
    }
    PageAnswer answer;
    const auto pageOrientation =
        orientation() == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    m_askedFor.reset();
    problem.clear();
    if (PrinterStatus status = m_target.jobPage(paper(), pageOrientation, answer); !status.ok())
        return status;
    m_askedFor = {paper(), orientation()};
    m_page = answer.layout;
    problem = m_paperProblem = answer.paperProblem;
    return {};
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
        QString problem;
        if (PrinterStatus status = checkPaper(problem); !status.ok())
            return status;
    }

    if (!m_folder || !m_folder->isValid())
        m_folder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quillon-XXXXXX"));
    if (!m_folder->isValid())
        return PrinterStatus::failure(
            QCoreApplication::translate("QtPrinter", "Quillon cannot make a temporary folder for the envelope (%1).")
                .arg(m_folder->errorString()));
    m_file = m_folder->filePath(QStringLiteral("envelope.pdf"));

    // A PDF writer, not a QPrinter: a QPrinter asks the print server for
    // its default printer as it is made, on this thread, however long that takes.
    m_device = std::make_unique<QPdfWriter>(m_file);
    m_device->setResolution(kPaperDpi);
    m_device->setTitle(jobTitle());
    m_device->setCreator(QStringLiteral("Quillon"));
    m_painter = std::make_unique<QPainter>();
    // The page's margins are its unprintable edges: the painter's origin
    // is the printable corner.
    if (!m_device->setPageLayout(m_page) || !m_painter->begin(m_device.get())) {
        m_painter.reset();
        m_device.reset();
        QFile::remove(m_file);
        return PrinterStatus::failure(
            QCoreApplication::translate("QtPrinter", "Quillon cannot write the envelope's document (%1).")
                .arg(QDir::toNativeSeparators(m_file)));
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
    // The painter's end may report success for a file the disk had no room
    // for: only a whole document goes out.
    m_device.reset();
    PrinterStatus status;
    if (end == DocumentEnd::Send) {
        status = written && isWholePdf(m_file)
            ? m_target.submit(m_file, jobTitle())
            : PrinterStatus::failure(
                QCoreApplication::translate("QtPrinter",
                                            "Quillon could not write the whole envelope document to %1 (is the disk "
                                            "full?).")
                    .arg(QDir::toNativeSeparators(QFileInfo(m_file).absolutePath())));
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
    documentClosed();
    if (!m_file.isEmpty())
        QFile::remove(m_file);
    m_file.clear();
}

bool isWholePdf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size <= 0 || !file.seek(std::max<qint64>(0, size - kPdfTail)))
        return false;
    const QByteArray tail = file.read(kPdfTail).trimmed();
    if (!tail.endsWith("%%EOF"))
        return false;
    const qsizetype at = tail.lastIndexOf("startxref");
    if (at < 0)
        return false;
    bool ok = false;
    const qint64 table = tail.mid(at + 9, tail.size() - at - 9 - 5).trimmed().toLongLong(&ok);
    if (!ok || table <= 0 || table >= size || !file.seek(table))
        return false;
    return file.read(4) == "xref";
}
