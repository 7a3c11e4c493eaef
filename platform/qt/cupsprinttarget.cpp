// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/cupsprinttarget.h"

#include <QCoreApplication>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

#include <memory>

namespace {

struct DestinationFree
{
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationFree>;

struct DestinationInfoFree
{
    void operator()(cups_dinfo_t *info) const { cupsFreeDestInfo(info); }
};
using DestinationInfo = std::unique_ptr<cups_dinfo_t, DestinationInfoFree>;

constexpr double kPointsPerHundredthMm = 72.0 / 2540.0;

// The edges of `size` (portrait) the printer cannot print on, in points, as
// CUPS lists them for that media; nothing where it lists none.
QMarginsF unprintableEdges(cups_dest_t *dest, const QPageSize &size)
{
    const DestinationInfo info(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest));
    if (!info)
        return {};
    const QSizeF mm = size.size(QPageSize::Millimeter);
    cups_size_t media{};
    if (!cupsGetDestMediaBySize(CUPS_HTTP_DEFAULT, dest, info.get(), qRound(mm.width() * 100),
                                qRound(mm.height() * 100), CUPS_MEDIA_FLAGS_DEFAULT, &media))
        return {};
    return QMarginsF(media.left, media.top, media.right, media.bottom) * kPointsPerHundredthMm;
}

// CUPS prints a landscape page on portrait media turned a quarter turn
// clockwise: the page's top lies along the media's right edge, its left
// along the media's top.
QMarginsF asLandscape(const QMarginsF &portrait)
{
    return {portrait.top(), portrait.right(), portrait.bottom(), portrait.left()};
}

QString noPrinter()
{
    return QCoreApplication::translate("CupsDefaultPrinter",
                                       "Quillon found no default printer.\n"
                                       "Check that the print service (CUPS) is running and that a default "
                                       "printer is chosen in the system's printer settings.");
}

} // namespace

PrinterStatus CupsDefaultPrinter::pageLayout(const Paper &paper, QPageLayout::Orientation orientation,
                                             QPageLayout &layout)
{
    // Asked afresh for every envelope: the user may change the default
    // printer while Quillon runs. With no default, Qt would quietly take the
    // first queue, or write a PDF file nobody asked for.
    const Destination dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!dest)
        return PrinterStatus::failure(noPrinter());
    m_destination = dest->name;
    const QString name = QString::fromLocal8Bit(m_destination);

    // Qt's print support would hand the job over and report success.
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        return PrinterStatus::failure(
            QCoreApplication::translate("CupsDefaultPrinter",
                                        "The default printer \"%1\" is not accepting jobs.\n"
                                        "Let it accept jobs in the system's printer settings and try again.")
                .arg(name));

    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return PrinterStatus::failure(noPrinter());
    // The printer's own paper, or the one asked for; the margins are set to
    // the unprintable edges as the page lies, so that offsets count from
    // its printable corner. (Qt reports a landscape page's edges unturned.)
    const QPageSize size = paper.size ? *paper.size : QPrinter(info, QPrinter::HighResolution).pageLayout().pageSize();
    const QMarginsF portrait = unprintableEdges(dest.get(), size);
    const QMarginsF edges = orientation == QPageLayout::Landscape ? asLandscape(portrait) : portrait;
    layout = QPageLayout(size, orientation, edges, QPageLayout::Point, edges);
    m_media = paper.size ? paper.media.toUtf8() : QByteArray();
    return {};
}

PrinterStatus CupsDefaultPrinter::submit(const QString &pdfFile, const QString &title)
{
    cups_option_t media{const_cast<char *>("media"), m_media.data()};
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, m_destination.constData(), QFile::encodeName(pdfFile).constData(),
                                   title.toUtf8().constData(), m_media.isEmpty() ? 0 : 1, &media);
    if (job <= 0)
        return PrinterStatus::failure(
            QCoreApplication::translate("CupsDefaultPrinter",
                                        "The print system refused the envelope for the "
                                        "printer \"%1\":\n%2")
                .arg(QString::fromLocal8Bit(m_destination), QString::fromUtf8(cupsLastErrorString())));
    m_lastJob = job;
    return {};
}
