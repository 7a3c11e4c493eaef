// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/envelopesetupdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

EnvelopeSetupDialog::EnvelopeSetupDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EnvelopeSetup"));
    setWindowTitle(tr("Envelope"));

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
    shiftXMM = lineBox(tr("Calibration shift X (mm)"), tr("Moves both blocks right; negative moves them left"));
    shiftYMM = lineBox(tr("Calibration shift Y (mm)"), tr("Moves both blocks down; negative moves them up"));
    turned = new QCheckBox(tr("&Turn the envelope 180°"), this);
    size->setAccessibleName(tr("Envelope size"));
    turned->setAccessibleName(tr("Turn the envelope 180°"));
    oneJob = new QCheckBox(tr("Print all selected addresses as &one job"), this);
    oneJob->setAccessibleName(tr("Print all selected addresses as one job"));
    oneJob->setAccessibleDescription(
        tr("Print All Selected Address sends one document, a page per address, without pauses"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Size:"), size);
    form->addRow(tr("&Width (mm):"), widthMM);
    form->addRow(tr("&Height (mm):"), heightMM);
    form->addRow(tr("Shift &X (mm):"), shiftXMM);
    form->addRow(tr("Shift &Y (mm):"), shiftYMM);
    form->addRow(turned);
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

    connect(size, &QComboBox::currentIndexChanged, this, [this] {
        enableCustomSize();
        emit changed(Setting::EnvelopeSize, size->currentData().toString());
    });
    const std::pair<QLineEdit *, Setting> boxes[] = {
        {widthMM, Setting::EnvelopeWidthMM},
        {heightMM, Setting::EnvelopeHeightMM},
        {shiftXMM, Setting::ShiftXMM},
        {shiftYMM, Setting::ShiftYMM},
    };
    for (const auto &[box, key] : boxes) {
        const Setting setting = key; // Clang before 16 cannot capture a structured binding
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
            turned->isChecked()};
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
    default: break;
    }
}

void EnvelopeSetupDialog::enableCustomSize()
{
    const bool custom = size->currentData().toString() == kCustomEnvelope;
    widthMM->setEnabled(custom);
    heightMM->setEnabled(custom);
}
