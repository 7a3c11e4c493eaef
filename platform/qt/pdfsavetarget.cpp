// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/pdfsavetarget.h"

#include "platform/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

PdfSaveTarget::PdfSaveTarget(PageSource *pages, const QString &path) : m_pages(pages), m_path(path) {}

PageAnswer PdfSaveTarget::pageLayout(const Paper &paper, QPageLayout::Orientation orientation)
{
    // A file takes any paper: what the printer lacks does not matter here.
    return {{}, pageOrPlain(m_pages, paper, orientation).layout, {}};
}

PrinterStatus PdfSaveTarget::submit(const QByteArray &pdf, const QString &)
{
    const QString shown = QDir::toNativeSeparators(m_path);
    // A device or a pipe chosen by mistake is not replaced by a file (a
    // link is followed to what it names).
    if (const QFileInfo info(m_path); info.exists() && !info.isFile())
        return PrinterStatus::failure(
            QCoreApplication::translate("PdfSaveTarget", "\"%1\" is not a file that Quillon can replace.").arg(shown));
    if (const IoResult written = replaceFile(m_path, pdf); !written.ok)
        return PrinterStatus::failure(
            QCoreApplication::translate("PdfSaveTarget", "Quillon could not write \"%1\": %2.")
                .arg(shown, written.error));
    return {};
}
