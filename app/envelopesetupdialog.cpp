// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/envelopesetupdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// Fills a list with the first choice and the printer's, keeping the value
// chosen; one the list lacks stays as a choice of its own, named `missing`.
void fill(QComboBox *box, const PrinterChoice &first, const QList<PrinterChoice> &choices, const QString &missing)
{
    const QString chosen = box->currentData().toString();
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(first.label, first.value);
    for (const PrinterChoice &choice : choices)
        box->addItem(choice.label, choice.value);
    if (box->findData(chosen) < 0)
        box->addItem(missing.arg(chosen), chosen);
    box->setCurrentIndex(box->findData(chosen));
}

// Selects `value`, adding it when the list lacks it; the box reports it.
void select(QComboBox *box, const QString &value)
{
    if (box->findData(value) < 0)
        box->addItem(value, value);
    box->setCurrentIndex(box->findData(value));
}

QList<PrinterChoice> asChoices(const QStringList &queues)
{
    QList<PrinterChoice> choices;
    for (const QString &queue : queues)
        choices.append({queue, queue});
    return choices;
}

} // namespace

EnvelopeSetupDialog::EnvelopeSetupDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EnvelopeSetup"));
    setWindowTitle(tr("Envelope"));

    auto comboBox = [this](const QString &name, const QString &description, const QString &first) {
        auto *box = new QComboBox(this);
        box->setAccessibleName(name);
        box->setAccessibleDescription(description);
        box->addItem(first, QString());
        return box;
    };
    printer = comboBox(tr("Printer"), tr("The printer envelopes go to; each printer keeps its own set-up"),
                       tr("System default printer"));
    size = new QComboBox(this);
    for (const EnvelopeSize &known : envelopeSizes())
        size->addItem(known.label, known.key);
    auto lineBox = [this](const QString &name, const QString &description) {
        auto *box = new QLineEdit(this);
        box->setAccessibleName(name);
        box->setAccessibleDescription(description);
        return box;
    };
    widthMM = lineBox(tr("Envelope width (mm)"), tr("Used with the custom size"));
    heightMM = lineBox(tr("Envelope height (mm)"), tr("Used with the custom size"));
    tray = comboBox(tr("Tray"), tr("Where the printer takes the envelope from"), tr("Printer's choice"));
    paperType = comboBox(tr("Paper type"), tr("What the printer is told it prints on"), tr("Printer's choice"));
    shiftXMM = lineBox(tr("Calibration shift X (mm)"), tr("Moves both blocks right; negative moves them left"));
    shiftYMM = lineBox(tr("Calibration shift Y (mm)"), tr("Moves both blocks down; negative moves them up"));
    turned = new QCheckBox(tr("&Turn the envelope 180°"), this);
    size->setAccessibleName(tr("Envelope size"));
    turned->setAccessibleName(tr("Turn the envelope 180°"));
    oneJob = new QCheckBox(tr("Print all selected addresses as &one job"), this);
    oneJob->setAccessibleName(tr("Print all selected addresses as one job"));
    oneJob->setAccessibleDescription(
        tr("Print All Selected Address sends one document, a page per address, without pauses"));
    feeding = new QLabel(this);
    feeding->setWordWrap(true);
    feeding->setAccessibleName(tr("How to feed the envelope"));
    paperProblem = new QLabel(this);
    paperProblem->setWordWrap(true);
    paperProblem->setAccessibleName(tr("Envelope size on this printer"));
    paperProblem->setStyleSheet(QStringLiteral("color: #c80000"));
    paperProblem->hide();

    auto *form = new QFormLayout;
    form->addRow(tr("Pr&inter:"), printer);
    form->addRow(tr("&Size:"), size);
    form->addRow(tr("&Width (mm):"), widthMM);
    form->addRow(tr("&Height (mm):"), heightMM);
    form->addRow(tr("T&ray:"), tray);
    form->addRow(tr("P&aper type:"), paperType);
    form->addRow(tr("Shift &X (mm):"), shiftXMM);
    form->addRow(tr("Shift &Y (mm):"), shiftYMM);
    form->addRow(turned);
    form->addRow(feeding);
    form->addRow(paperProblem);
    form->addRow(oneJob);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    preview = buttons->addButton(tr("&Preview"), QDialogButtonBox::ActionRole);
    preview->setAccessibleName(tr("Envelope preview"));
    testPrint = buttons->addButton(tr("Print T&est Envelope"), QDialogButtonBox::ActionRole);
    testPrint->setAccessibleName(tr("Print test envelope"));
    testPrint->setAccessibleDescription(tr("Prints the printable area, a millimetre scale and a cross where each "
                                           "block starts, to measure the calibration shift"));
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    // The dialog grows with the sentences below the fields, which change
    // with the printer.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(size, &QComboBox::currentIndexChanged, this, [this] {
        enableCustomSize();
        emit changed(Setting::EnvelopeSize, size->currentData().toString());
    });
    const std::pair<QComboBox *, Setting> lists[] = {
        {printer, Setting::EnvelopePrinter},
        {tray, Setting::EnvelopeTray},
        {paperType, Setting::EnvelopePaperType},
    };
    for (const auto &[list, key] : lists) {
        const Setting setting = key; // Clang before 16 cannot capture a structured binding
        QComboBox *box = list;
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, box, setting] { emit changed(setting, box->currentData().toString()); });
    }
    connect(printer, &QComboBox::activated, this, &EnvelopeSetupDialog::printerChosen);
    const std::pair<QLineEdit *, Setting> boxes[] = {
        {widthMM, Setting::EnvelopeWidthMM},
        {heightMM, Setting::EnvelopeHeightMM},
        {shiftXMM, Setting::ShiftXMM},
        {shiftYMM, Setting::ShiftYMM},
    };
    for (const auto &[box, key] : boxes) {
        const Setting setting = key;
        connect(box, &QLineEdit::textChanged, this,
                [this, setting](const QString &text) { emit changed(setting, text); });
    }
    connect(turned, &QCheckBox::toggled, this,
            [this](bool on) { emit changed(Setting::Rotate180, on ? QStringLiteral("1") : QStringLiteral("0")); });
    connect(oneJob, &QCheckBox::toggled, this,
            [this](bool on) { emit changed(Setting::PrintAllOneJob, on ? QStringLiteral("1") : QStringLiteral("0")); });
    enableCustomSize();
}

EnvelopeSetup EnvelopeSetupDialog::setup() const
{
    return {size->currentData().toString(),
            widthMM->text(),
            heightMM->text(),
            shiftXMM->text(),
            shiftYMM->text(),
            turned->isChecked(),
            printer->currentData().toString(),
            tray->currentData().toString(),
            paperType->currentData().toString()};
}

void EnvelopeSetupDialog::assign(Setting setting, const QString &text)
{
    switch (setting) {
    case Setting::EnvelopeSize: {
        // A size this version does not know is the printer's paper.
        const int index = std::max(0, size->findData(text));
        if (index == size->currentIndex())
            emit changed(setting, size->currentData().toString());
        size->setCurrentIndex(index);
        break;
    }
    case Setting::EnvelopeWidthMM: widthMM->setText(text); break;
    case Setting::EnvelopeHeightMM: heightMM->setText(text); break;
    case Setting::ShiftXMM: shiftXMM->setText(text); break;
    case Setting::ShiftYMM: shiftYMM->setText(text); break;
    case Setting::Rotate180: turned->setChecked(text == u"1"); break;
    case Setting::PrintAllOneJob: oneJob->setChecked(text == u"1"); break;
    case Setting::EnvelopePrinter: select(printer, text); break;
    case Setting::EnvelopeTray: select(tray, text); break;
    case Setting::EnvelopePaperType: select(paperType, text); break;
    default: break;
    }
}

void EnvelopeSetupDialog::showPrinter(const PrinterDescription &description, const QString &feedingText,
                                      const QString &problem)
{
    // Lists the print server has not given yet stay as they are.
    if (!description.queues.isEmpty())
        fill(printer, {{}, tr("System default printer")}, asChoices(description.queues),
             tr("%1 (not listed by the print service)"));
    if (!description.queue.isEmpty()) {
        fill(tray, {{}, tr("Printer's choice")}, description.trays, tr("%1 (not offered by this printer)"));
        fill(paperType, {{}, tr("Printer's choice")}, description.paperTypes, tr("%1 (not offered by this printer)"));
    }
    feeding->setText(feedingText);
    paperProblem->setText(problem);
    paperProblem->setVisible(!problem.isEmpty());
}

void EnvelopeSetupDialog::enableCustomSize()
{
    const bool custom = size->currentData().toString() == kCustomEnvelope;
    widthMM->setEnabled(custom);
    heightMM->setEnabled(custom);
}
