// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/qtprinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

// A target that keeps every document as a PDF file in a folder, on a page
// it is given: the page without a print system.
class PdfFileTarget final : public PrintTarget
{
public:
    // Documents are laid out on `page` turned to the orientation asked for,
    // or on the paper asked for; `page`'s minimum margins stand for the
    // unprintable edges of either as it lies.
    PdfFileTarget(const QPageLayout &page, const QString &folder) : m_page(page), m_folder(folder) {}

    PageAnswer pageLayout(const Paper &paper, QPageLayout::Orientation orientation) override
    {
        PageAnswer answer;
        QPageLayout &layout = answer.layout;
        layout = m_page;
        if (paper.size)
            layout.setPageSize(*paper.size, m_page.minimumMargins());
        layout.setOrientation(orientation);
        layout.setMargins(layout.minimumMargins());
        return answer;
    }

    PrinterStatus submit(const QByteArray &pdf, const QString &) override
    {
        const QString kept = QDir(m_folder).filePath(QStringLiteral("envelope-%1.pdf").arg(files.size() + 1));
        QFile file(kept);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(pdf) != pdf.size() || !file.flush())
            return PrinterStatus::failure(QStringLiteral("Cannot keep the envelope as %1.").arg(kept));
        files << kept;
        return {};
    }

    QStringList files; // the documents submitted, oldest first

private:
    QPageLayout m_page;
    QString m_folder;
};
