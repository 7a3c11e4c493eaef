// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/envelopesetupdialog.h"

#include "app/busycommand.h"
#include "app/feedpicture.h"
#include "app/millimetrebox.h"
#include "printing/feeddirection.h"
#include "printing/printersetups.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
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

// Lengths the set-up takes, in millimetres.
constexpr double kSmallestEnvelope = 10;
constexpr double kLargestEnvelope = 1000;
constexpr double kLargestShift = 500;

// Red that reads on the window's own background, light or dark.
QColor warningColour(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightnessF() < 0.5 ? QColor(255, 120, 120) : QColor(190, 0, 0);
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
    m_printer = comboBox(tr("Printer"), tr("The printer envelopes go to; each printer keeps its own set-up"),
                         tr("System default printer"));
    m_size = new QComboBox(this);
    for (const EnvelopeSize &known : envelopeSizes())
        m_size->addItem(known.label, known.key);
    auto lengthBox = [this](double minimum, double maximum, const QString &name, const QString &description) {
        auto *box = new MillimetreBox(minimum, maximum, this);
        box->setAccessibleName(name);
        box->setAccessibleDescription(description);
        return box;
    };
    m_widthMM =
        lengthBox(kSmallestEnvelope, kLargestEnvelope, tr("Envelope width (mm)"), tr("Used with the custom size"));
    m_heightMM =
        lengthBox(kSmallestEnvelope, kLargestEnvelope, tr("Envelope height (mm)"), tr("Used with the custom size"));
    m_tray = comboBox(tr("Tray"), tr("Where the printer takes the envelope from"), tr("Printer's choice"));
    m_paperType = comboBox(tr("Paper type"), tr("What the printer is told it prints on"), tr("Printer's choice"));
    m_shiftXMM = lengthBox(-kLargestShift, kLargestShift, tr("Calibration shift X (mm)"),
                           tr("Moves both blocks right; negative moves them left"));
    m_shiftYMM = lengthBox(-kLargestShift, kLargestShift, tr("Calibration shift Y (mm)"),
                           tr("Moves both blocks down; negative moves them up"));
    m_turned = new QCheckBox(tr("&Turn the envelope 180°"), this);
    m_size->setAccessibleName(tr("Envelope size"));
    m_turned->setAccessibleName(tr("Turn the envelope 180°"));
    m_face = new QComboBox(this);
    m_face->addItem(tr("face up"), faceText(EnvelopeFace::Up));
    m_face->addItem(tr("face down"), faceText(EnvelopeFace::Down));
    m_face->setAccessibleName(tr("Envelopes go in"));
    m_face->setAccessibleDescription(
        tr("The side the printer prints on as the envelope lies in the tray; the test envelope tells which"));
    m_oneJob = new QCheckBox(tr("Print all selected addresses as &one job"), this);
    m_oneJob->setAccessibleName(tr("Print all selected addresses as one job"));
    m_oneJob->setAccessibleDescription(
        tr("Print All Selected Address sends one document, a page per address, without pauses"));
    m_feeding = new QLabel(this);
    m_feeding->setWordWrap(true);
    m_feeding->setAccessibleName(tr("How to feed the envelope"));
    m_feedPicture = new FeedPicture(this);
    m_paperProblem = new QLabel(this);
    m_paperProblem->setWordWrap(true);
    m_paperProblem->setAccessibleName(tr("Envelope size on this printer"));
    m_paperProblem->hide();
    colourWarning();
    m_placeToAddress = new QPushButton(tr("P&lace the To Address for this size"), this);
    m_placeToAddress->setAccessibleName(tr("Place the To Address for this size"));
    m_placeToAddress->setAccessibleDescription(
        tr("Sets the To Address offsets so that the block starts in the envelope's address zone"));

    auto *form = new QFormLayout;
    form->addRow(tr("Pr&inter:"), m_printer);
    form->addRow(tr("&Size:"), m_size);
    form->addRow(tr("&Width:"), m_widthMM);
    form->addRow(tr("&Height:"), m_heightMM);
    form->addRow(tr("T&ray:"), m_tray);
    form->addRow(tr("P&aper type:"), m_paperType);
    form->addRow(tr("Shift &X:"), m_shiftXMM);
    form->addRow(tr("Shift &Y:"), m_shiftYMM);
    form->addRow(m_turned);
    form->addRow(tr("Envelopes &go in:"), m_face);
    form->addRow(m_placeToAddress);
    form->addRow(m_paperProblem);
    form->addRow(m_oneJob);

    // The feed beside the fields: the picture, and the sentence under it.
    auto *feed = new QVBoxLayout;
    feed->addWidget(m_feedPicture, 1);
    feed->addWidget(m_feeding);
    m_feeding->setFixedWidth(m_feedPicture->sizeHint().width() + 60);
    auto *columns = new QHBoxLayout;
    columns->addLayout(form, 1);
    columns->addLayout(feed);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *preview = buttons->addButton(tr("&Preview"), QDialogButtonBox::ActionRole);
    preview->setAccessibleName(tr("Envelope preview"));
    m_testPrint = buttons->addButton(tr("Print T&est Envelope"), QDialogButtonBox::ActionRole);
    m_testPrint->setAccessibleName(tr("Print test envelope"));
    m_testPrint->setAccessibleDescription(tr("Prints the printable area, a millimetre scale and a cross where each "
                                             "block starts, to measure the calibration shift"));
    QPushButton *close = buttons->button(QDialogButtonBox::Close);
    close->setText(tr("&Close"));
    close->setAccessibleName(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
    connect(preview, &QPushButton::clicked, this, &EnvelopeSetupDialog::previewAsked);
    connect(m_testPrint, &QPushButton::clicked, this, [this] {
        const BusyCommand busy(m_testPrint);
        emit testPrintAsked();
    });
    connect(m_placeToAddress, &QPushButton::clicked, this, &EnvelopeSetupDialog::placeToAddressAsked);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    // The dialog grows with the sentences below the fields, which change
    // with the printer.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_size, &QComboBox::currentIndexChanged, this, [this] {
        enableCustomSize();
        emit changed(Setting::EnvelopeSize, m_size->currentData().toString());
    });
    const std::pair<QComboBox *, Setting> lists[] = {
        {m_printer, Setting::EnvelopePrinter},
        {m_tray, Setting::EnvelopeTray},
        {m_paperType, Setting::EnvelopePaperType},
        {m_face, Setting::EnvelopeFace},
    };
    for (const auto &[list, key] : lists) {
        const Setting setting = key; // Clang before 16 cannot capture a structured binding
        QComboBox *box = list;
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, box, setting] { emit changed(setting, box->currentData().toString()); });
    }
    connect(m_printer, &QComboBox::activated, this, &EnvelopeSetupDialog::printerChosen);
    const std::pair<MillimetreBox *, Setting> boxes[] = {
        {m_widthMM, Setting::EnvelopeWidthMM},
        {m_heightMM, Setting::EnvelopeHeightMM},
        {m_shiftXMM, Setting::ShiftXMM},
        {m_shiftYMM, Setting::ShiftYMM},
    };
    for (const auto &[box, key] : boxes) {
        const Setting setting = key;
        MillimetreBox *length = box;
        connect(length, &QDoubleSpinBox::valueChanged, this,
                [this, length, setting] { emit changed(setting, length->settingText()); });
    }
    connect(m_turned, &QCheckBox::toggled, this,
            [this](bool on) { emit changed(Setting::Rotate180, on ? QStringLiteral("1") : QStringLiteral("0")); });
    connect(m_oneJob, &QCheckBox::toggled, this,
            [this](bool on) { emit changed(Setting::PrintAllOneJob, on ? QStringLiteral("1") : QStringLiteral("0")); });
    // The feed follows the turn and the face at once.
    connect(m_turned, &QCheckBox::toggled, this, &EnvelopeSetupDialog::showFeed);
    connect(m_face, &QComboBox::currentIndexChanged, this, &EnvelopeSetupDialog::showFeed);
    enableCustomSize();
    showFeed();
}

EnvelopeSetup EnvelopeSetupDialog::setup() const
{
    return {m_size->currentData().toString(),
            m_widthMM->settingText(),
            m_heightMM->settingText(),
            m_shiftXMM->settingText(),
            m_shiftYMM->settingText(),
            m_turned->isChecked(),
            m_printer->currentData().toString(),
            m_tray->currentData().toString(),
            m_paperType->currentData().toString(),
            faceOf(m_face->currentData().toString())};
}

bool EnvelopeSetupDialog::printAllAsOneJob() const
{
    return m_oneJob->isChecked();
}

void EnvelopeSetupDialog::assign(Setting setting, const QString &text)
{
    // A box already showing the value reports it all the same.
    auto setLength = [this, setting, &text](MillimetreBox *box) {
        const QString before = box->settingText();
        box->setSettingText(text);
        if (box->settingText() == before)
            emit changed(setting, before);
    };
    switch (setting) {
    case Setting::EnvelopeSize: {
        // A size this version does not know is the printer's paper.
        const int index = std::max(0, m_size->findData(text));
        if (index == m_size->currentIndex())
            emit changed(setting, m_size->currentData().toString());
        m_size->setCurrentIndex(index);
        break;
    }
    case Setting::EnvelopeWidthMM: setLength(m_widthMM); break;
    case Setting::EnvelopeHeightMM: setLength(m_heightMM); break;
    case Setting::ShiftXMM: setLength(m_shiftXMM); break;
    case Setting::ShiftYMM: setLength(m_shiftYMM); break;
    case Setting::Rotate180: m_turned->setChecked(text == u"1"); break;
    case Setting::PrintAllOneJob: m_oneJob->setChecked(text == u"1"); break;
    case Setting::EnvelopePrinter: select(m_printer, text); break;
    case Setting::EnvelopeTray: select(m_tray, text); break;
    case Setting::EnvelopePaperType: select(m_paperType, text); break;
    case Setting::EnvelopeFace: m_face->setCurrentIndex(m_face->findData(faceText(faceOf(text)))); break;
    default: break;
    }
}

void EnvelopeSetupDialog::showPrinter(const PrinterDescription &description, const QString &problem)
{
    // Lists the print server has not given yet stay as they are.
    if (!description.queues.isEmpty())
        fill(m_printer, {{}, tr("System default printer")}, asChoices(description.queues),
             tr("%1 (not listed by the print service)"));
    if (!description.queue.isEmpty()) {
        fill(m_tray, {{}, tr("Printer's choice")}, description.trays, tr("%1 (not offered by this printer)"));
        fill(m_paperType, {{}, tr("Printer's choice")}, description.paperTypes, tr("%1 (not offered by this printer)"));
    }
    m_turn = description.turn;
    showFeed();
    m_paperProblem->setText(problem);
    m_paperProblem->setVisible(!problem.isEmpty());
}

void EnvelopeSetupDialog::showFeed()
{
    const FeedLayout feed = feedLayout(m_turn, m_turned->isChecked(), faceOf(m_face->currentData().toString()));
    const QString words = feedDirection(feed, m_turn);
    m_feeding->setText(words);
    m_feedPicture->showFeed(feed, words);
}

void EnvelopeSetupDialog::colourWarning()
{
    QPalette colours = m_paperProblem->palette();
    colours.setColor(QPalette::WindowText, warningColour(palette()));
    m_paperProblem->setPalette(colours);
}

void EnvelopeSetupDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colourWarning();
}

void EnvelopeSetupDialog::enableCustomSize()
{
    const bool custom = m_size->currentData().toString() == kCustomEnvelope;
    m_widthMM->setEnabled(custom);
    m_heightMM->setEnabled(custom);
}
