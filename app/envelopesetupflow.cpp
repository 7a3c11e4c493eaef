// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/envelopesetupflow.h"

#include "app/addresstextbox.h"
#include "app/envelopepreview.h"
#include "app/envelopesetupdialog.h"
#include "app/form1ui.h"
#include "app/toaddressplacement.h"
#include "platform/printer.h"
#include "printing/envelope.h"

#include <QLineEdit>
#include <QTimer>

namespace {

template <typename Box>
FieldText textOf(const Box *box)
{
    return [box] { return box->text(); };
}

// How often the print server is asked again while the set-up or the
// preview is open, to follow a change of its default printer or of the
// printer's own set-up.
constexpr int kPrinterWatchMs = 2000;

Paper paperOf(const EnvelopeSetup &setup)
{
    Paper paper;
    paper.printer = setup.printer;
    return paper;
}

} // namespace

EnvelopeSetupFlow::EnvelopeSetupFlow(Context context, QObject *parent) : QObject(parent), m_context(std::move(context))
{
    connectWindows();
}

EnvelopeFields EnvelopeSetupFlow::fields() const
{
    const Form1Ui &ui = m_context.ui;
    return {
        {tr("Return address"), textOf(ui.TextReturn), textOf(ui.TextReturnPrintFontSize),
         textOf(ui.TextReturnPrintFonttype), textOf(ui.TextReturnOffX), textOf(ui.TextReturnOffY)},
        {tr("To address"), textOf(ui.TextToAddress), textOf(ui.TextToAddressPrintFontSize),
         textOf(ui.TextToAddressPrintFontType), textOf(ui.TextAddressToOffX), textOf(ui.TextAddressToOffY)},
        [setup = ui.envelopeSetup] { return setup->setup(); },
        {},
    };
}

void EnvelopeSetupFlow::connectWindows()
{
    Form1Ui &ui = m_context.ui;
    connect(ui.envelopeSetup, &EnvelopeSetupDialog::previewAsked, this, &EnvelopeSetupFlow::showPreview);
    connect(ui.envelopeSetup, &EnvelopeSetupDialog::testPrintAsked, this, [this] { m_context.testPrint(); });
    connect(ui.envelopeSetup, &EnvelopeSetupDialog::changed, this, [this](Setting setting, const QString &text) {
        m_context.store(setting, text);
        if (keptPerPrinter(setting))
            rememberPrinterSetup();
        refreshPreview();
    });
    connect(ui.envelopeSetup, &EnvelopeSetupDialog::printerChosen, this, &EnvelopeSetupFlow::choosePrinter);
    new ToAddressPlacement(ui.envelopeSetup, ui.envelopePreview, ui.TextToAddress, ui.TextAddressToOffX,
                           ui.TextAddressToOffY, this);
    connect(ui.envelopePreview, &EnvelopePreview::openChanged, this, [this](bool open) {
        if (m_context.ending())
            return;
        m_context.store(Setting::EnvelopePreviewOpen, open ? QStringLiteral("1") : QStringLiteral("0"));
        refreshPreview();
    });
    connect(ui.envelopePreview, &EnvelopePreview::placeChanged, this,
            [this] { m_context.store(Setting::EnvelopePreviewPlace, m_context.ui.envelopePreview->place()); });

    for (AddressTextBox *box : {ui.TextReturn, ui.TextToAddress})
        connect(box, &AddressTextBox::changed, this, &EnvelopeSetupFlow::refreshPreview);
    for (QLineEdit *box :
         {ui.TextReturnOffX, ui.TextReturnOffY, ui.TextAddressToOffX, ui.TextAddressToOffY, ui.TextReturnPrintFontSize,
          ui.TextReturnPrintFonttype, ui.TextToAddressPrintFontSize, ui.TextToAddressPrintFontType})
        connect(box, &QLineEdit::textChanged, this, &EnvelopeSetupFlow::refreshPreview);

    // The print server is asked in the background; what it says changes
    // the set-up's lists and the preview's page.
    m_printerWatch = new QTimer(this);
    m_printerWatch->setInterval(kPrinterWatchMs);
    connect(m_printerWatch, &QTimer::timeout, this, [this] {
        if (m_context.ui.envelopePreview->isVisible() || m_context.ui.envelopeSetup->isVisible())
            askPrinter();
        else
            m_printerWatch->stop();
    });
    if (m_context.pages) {
        m_context.pages->setChangeHandler([this] {
            if (m_context.ending())
                return;
            m_context.ui.envelopePreview->forgetPage();
            refreshPreview();
        });
    }
}

void EnvelopeSetupFlow::assign(Setting setting, const QString &text)
{
    if (setting == Setting::EnvelopePreviewPlace) {
        m_context.ui.envelopePreview->setPlace(text);
    } else if (setting == Setting::EnvelopePreviewOpen) {
        m_context.ui.envelopePreview->setVisible(text == u"1");
    } else if (setting == Setting::EnvelopeSetups) {
        // Lines that cannot be read are kept, unused, and written back.
        m_printerSetups = readPrinterSetups(text);
        m_printerSetupsRead = true;
        m_context.store(setting, text);
    } else {
        m_context.ui.envelopeSetup->assign(setting, text);
    }
}

void EnvelopeSetupFlow::rememberPrinterSetup()
{
    if (!m_printerSetupsRead)
        return;
    const EnvelopeSetup setup = m_context.ui.envelopeSetup->setup();
    if (m_printerSetups.byPrinter.value(setup.printer) == setup)
        return;
    m_printerSetups.byPrinter.insert(setup.printer, setup);
    m_context.store(Setting::EnvelopeSetups, writePrinterSetups(m_printerSetups));
}

void EnvelopeSetupFlow::choosePrinter()
{
    // The printer chosen brings back its own set-up; one chosen for the
    // first time starts from the set-up shown, but with its own choice of
    // tray and paper type: another printer's may mean nothing to it.
    EnvelopeSetup setup = m_context.ui.envelopeSetup->setup();
    setup.tray.clear();
    setup.paperType.clear();
    setup = m_printerSetups.byPrinter.value(setup.printer, setup);
    for (const auto &[setting, text] : perPrinterFields(setup))
        m_context.ui.envelopeSetup->assign(setting, text);
    rememberPrinterSetup();
    m_context.ui.envelopePreview->forgetPage();
    askPrinter();
    refreshPreview();
}

void EnvelopeSetupFlow::askPrinter()
{
    if (m_context.pages && !m_context.ending())
        m_context.pages->refresh(paperOf(m_context.ui.envelopeSetup->setup()));
}

void EnvelopeSetupFlow::showPrinter()
{
    const PrinterDescription printer = m_context.pages
        ? m_context.pages->describe(paperOf(m_context.ui.envelopeSetup->setup()))
        : PrinterDescription{};
    m_context.ui.envelopeSetup->showPrinter(printer, m_context.ui.envelopePreview->layout().paperProblem());
}

void EnvelopeSetupFlow::refreshPreview()
{
    const Form1Ui &ui = m_context.ui;
    // Laid out only while someone can see it: typing stays as fast as ever.
    if (!ui.envelopePreview || !(ui.envelopePreview->isVisible() || ui.envelopeSetup->isVisible()))
        return;
    if (!m_printerWatch->isActive()) {
        m_printerWatch->start();
        askPrinter();
    }
    ui.envelopePreview->showEnvelope(fields());
    showPrinter();
}

void EnvelopeSetupFlow::showSetup()
{
    m_context.ui.envelopeSetup->show();
    m_context.ui.envelopeSetup->raise();
    m_context.ui.envelopeSetup->activateWindow();
    refreshPreview();
}

void EnvelopeSetupFlow::showPreview()
{
    m_context.ui.envelopePreview->show();
    m_context.ui.envelopePreview->raise();
}
