// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/setupheading.h"

#include <QCoreApplication>

namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("SetupHeading", text);
}

QString labelOf(const QList<PrinterChoice> &choices, const QString &value)
{
    if (value.isEmpty())
        return translated(QT_TRANSLATE_NOOP("SetupHeading", "printer's choice"));
    for (const PrinterChoice &choice : choices) {
        if (choice.value == value)
            return choice.label;
    }
    return value;
}

} // namespace

QString setupHeading(const EnvelopeSetup &setup, const PrinterDescription &printer, const QSizeF &pageMM)
{
    QString printerName = setup.printer;
    if (printerName.isEmpty()) {
        printerName = printer.queue.isEmpty()
            ? translated(QT_TRANSLATE_NOOP("SetupHeading", "system default printer"))
            : QCoreApplication::translate("SetupHeading", "%1 (system default)").arg(printer.queue);
    }
    // A named size's label gives its millimetres; the printer's paper and
    // the custom size get the page's own.
    QString size = setup.size;
    bool withPage = true;
    for (const EnvelopeSize &known : envelopeSizes()) {
        if (known.key == setup.size) {
            size = known.custom ? translated(QT_TRANSLATE_NOOP("SetupHeading", "custom")) : known.label;
            withPage = known.custom || known.key == kPrinterPaper;
        }
    }
    if (withPage && !pageMM.isEmpty())
        size = QCoreApplication::translate("SetupHeading", "%1, %2 × %3 mm")
                   .arg(size, QString::number(pageMM.width(), 'f', 0), QString::number(pageMM.height(), 'f', 0));
    return QCoreApplication::translate("SetupHeading", "Printer: %1 · Tray: %2 · Size: %3")
        .arg(printerName, labelOf(printer.trays, setup.tray), size);
}
