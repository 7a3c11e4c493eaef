// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/cupsprinttarget.h"

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

const QString kNoPrinter = QStringLiteral(
    "Quillon found no default printer, so nothing was printed.\n"
    "Check that the print service (CUPS) is running and that a default printer is chosen "
    "in the system's printer settings.");

} // namespace

PrinterStatus CupsDefaultPrinter::pageLayout(QPageLayout::Orientation orientation, QPageLayout &layout)
{
    // Asked afresh for every envelope: the user may change the default
    // printer while Quillon runs. With no default, Qt would quietly take the
    // first queue, or write a PDF file nobody asked for.
    const Destination dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!dest)
        return PrinterStatus::failure(kNoPrinter);
    m_destination = dest->name;
    const QString name = QString::fromLocal8Bit(m_destination);

    // Qt's print support would hand the job over and report success.
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        return PrinterStatus::failure(
            QStringLiteral("The default printer \"%1\" is not accepting jobs, so nothing was printed.\n"
                           "Let it accept jobs in the system's printer settings and try again.")
                .arg(name));

    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return PrinterStatus::failure(kNoPrinter);
    // The printer's own paper and printable area; the margins are set to
    // the unprintable edges so that offsets count from the printable corner.
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageOrientation(orientation);
    layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    return {};
}

PrinterStatus CupsDefaultPrinter::submit(const QString &pdfFile, const QString &title)
{
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, m_destination.constData(), QFile::encodeName(pdfFile).constData(),
                                   title.toUtf8().constData(), 0, nullptr);
    if (job <= 0)
        return PrinterStatus::failure(
            QStringLiteral("The print system refused the envelope for the printer \"%1\", so nothing was printed:\n%2")
                .arg(QString::fromLocal8Bit(m_destination), QString::fromUtf8(cupsLastErrorString())));
    m_lastJob = job;
    return {};
}
