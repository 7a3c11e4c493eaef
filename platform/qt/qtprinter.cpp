// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QTemporaryDir>

#include <utility>

namespace {
constexpr double kCentimetresPerInch = 2.54;
constexpr double kPointsPerInch = 72.0;
// The test envelope's lines and numbers: fine, but visible on any printer.
constexpr double kMarkLineWidth = 0.3; // points
constexpr double kMarkFontSize = 6;
// The resolution the document is drawn at, as Qt's high-resolution printer does.
constexpr int kDocumentDpi = 1200;
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

void QtPrinter::setScaleUnit(ScaleUnit unit)
{
    m_unit = unit;
}
void QtPrinter::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
}
void QtPrinter::setPaper(const Paper &paper)
{
    m_paper = paper;
}
PrinterStatus QtPrinter::checkPaper(QString &problem)
{
    PageAnswer answer;
    const auto orientation = m_orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    m_askedFor.reset();
    problem.clear();
    if (PrinterStatus status = m_target.jobPage(m_paper, orientation, answer); !status.ok())
        return status;
    m_askedFor = {m_paper, m_orientation};
    m_page = answer.layout;
    problem = answer.paperProblem;
    return {};
}
void QtPrinter::setFontSize(double points)
{
    m_fontSize = points;
}
void QtPrinter::setFontName(const QString &face)
{
    m_fontName = face;
}
void QtPrinter::setCurrentX(double x)
{
    m_x = x;
}
void QtPrinter::setCurrentY(double y)
{
    m_y = y;
}

double QtPrinter::unitsPerInch() const
{
    return m_unit == ScaleUnit::Centimetres ? kCentimetresPerInch : 1.0;
}

PrinterStatus QtPrinter::openDocument()
{
    // The page asked for just before, unless the paper has changed since.
    if (!m_askedFor || !(m_askedFor->first == m_paper) || m_askedFor->second != m_orientation) {
        QString problem;
        if (PrinterStatus status = checkPaper(problem); !status.ok())
            return status;
    }
    const QPageLayout layout = m_page;

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
    m_device->setResolution(kDocumentDpi);
    m_device->setTitle(jobTitle());
    m_device->setCreator(QStringLiteral("Quillon"));
    m_painter = std::make_unique<QPainter>();
    if (!m_device->setPageLayout(layout) || !m_painter->begin(m_device.get())) {
        m_painter.reset();
        m_device.reset();
        QFile::remove(m_file);
        return PrinterStatus::failure(
            QCoreApplication::translate("QtPrinter", "Quillon cannot write the envelope's document (%1).")
                .arg(QDir::toNativeSeparators(m_file)));
    }
    if (m_paper.turned) {
        // Turned about the printable area's centre: the origin lies at the
        // printable corner of the envelope fed the other way round.
        m_painter->translate(m_device->width(), m_device->height());
        m_painter->rotate(180);
    }
    return {};
}

PrinterStatus QtPrinter::readyPage()
{
    if (!m_painter)
        return openDocument();
    if (!std::exchange(m_pageWanted, false))
        return {};
    // The painter keeps its state, the turn included, from page to page.
    if (!m_device->newPage())
        return PrinterStatus::failure(
            QCoreApplication::translate("QtPrinter", "Quillon could not start a new page of the envelopes' document."));
    m_drawnOnPage = false;
    return {};
}

void QtPrinter::newPage()
{
    if (m_painter && m_drawnOnPage)
        m_pageWanted = true;
}

PrinterStatus QtPrinter::print(const QString &line)
{
    if (PrinterStatus status = readyPage(); !status.ok())
        return status;
    m_drawnOnPage = true;
    // The face is passed on as typed; fontconfig substitutes one the
    // system lacks.
    QFont font(m_fontName);
    font.setPointSizeF(m_fontSize);
    const QFontMetricsF metrics(font, m_device.get());
    const double dpiX = m_device->logicalDpiX();
    const double dpiY = m_device->logicalDpiY();
    const QPointF topLeft(m_x / unitsPerInch() * dpiX, m_y / unitsPerInch() * dpiY);
    m_painter->setFont(font);
    m_painter->drawText(topLeft + QPointF(0, metrics.ascent()), line);
    m_x = 0;
    m_y += metrics.lineSpacing() / dpiY * unitsPerInch();
    return {};
}

PrinterStatus QtPrinter::drawMarks(const std::function<PageMarks(const QSizeF &printable)> &marks)
{
    if (PrinterStatus status = readyPage(); !status.ok())
        return status;
    m_drawnOnPage = true;
    // Points to device pixels; the painter's origin is the printable corner.
    const double scaleX = m_device->logicalDpiX() / kPointsPerInch;
    const double scaleY = m_device->logicalDpiY() / kPointsPerInch;
    const auto toDevice = [&](const QPointF &point) { return QPointF(point.x() * scaleX, point.y() * scaleY); };
    const PageMarks drawn = marks(QSizeF(m_device->width() / scaleX, m_device->height() / scaleY));
    m_painter->save();
    m_painter->setPen(QPen(Qt::black, kMarkLineWidth * scaleX));
    for (const QLineF &line : drawn.lines)
        m_painter->drawLine(QLineF(toDevice(line.p1()), toDevice(line.p2())));
    QFont font;
    font.setPointSizeF(kMarkFontSize);
    const QFontMetricsF metrics(font, m_device.get());
    m_painter->setFont(font);
    for (const PageMarks::Label &label : drawn.labels)
        m_painter->drawText(toDevice(label.topLeft) + QPointF(0, metrics.ascent()), label.text);
    m_painter->restore();
    return {};
}

PrinterStatus QtPrinter::endDoc(DocumentEnd end)
{
    if (!m_painter)
        return {};
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
    m_pageWanted = m_drawnOnPage = false;
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

PdfFileTarget::PdfFileTarget(const QPageLayout &page, const QString &folder) : m_page(page), m_folder(folder) {}

PrinterStatus PdfFileTarget::pageLayout(const Paper &paper, QPageLayout::Orientation orientation, PageAnswer &answer)
{
    answer.paperProblem.clear();
    QPageLayout &layout = answer.layout;
    layout = m_page;
    if (paper.size)
        layout.setPageSize(*paper.size, m_page.minimumMargins());
    layout.setOrientation(orientation);
    layout.setMargins(layout.minimumMargins());
    return {};
}

PrinterStatus PdfFileTarget::submit(const QString &pdfFile, const QString &)
{
    const QString kept = QDir(m_folder).filePath(QStringLiteral("envelope-%1.pdf").arg(files.size() + 1));
    QFile::remove(kept);
    if (!QFile::copy(pdfFile, kept))
        return PrinterStatus::failure(
            QCoreApplication::translate("PdfFileTarget", "Cannot keep the envelope as %1.").arg(kept));
    files << kept;
    return {};
}
