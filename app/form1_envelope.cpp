// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's envelope set-up and preview window: their fields are stored like
// the window's own, each printer keeps its own set-up, and the preview
// follows every field printing reads and what the print server says.
#include "app/form1.h"

#include "app/addresstextbox.h"
#include "app/envelopepreview.h"
#include "app/envelopesetupdialog.h"
#include "app/toaddressplacement.h"
#include "platform/messagebox.h"
#include "printing/envelope.h"

#include <QAction>
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

EnvelopeFields Form1::envelopeFields() const
{
    return {
        {tr("Return address"), textOf(TextReturn), textOf(TextReturnPrintFontSize), textOf(TextReturnPrintFonttype),
         textOf(TextReturnOffX), textOf(TextReturnOffY)},
        {tr("To address"), textOf(TextToAddress), textOf(TextToAddressPrintFontSize),
         textOf(TextToAddressPrintFontType), textOf(TextAddressToOffX), textOf(TextAddressToOffY)},
        [setup = envelopeSetup] { return setup->setup(); },
        {},
    };
}

void Form1::connectEnvelopeWindows()
{
    connect(EnvelopeM, &QAction::triggered, this, &Form1::EnvelopeM_Click);
    connect(EnvelopePreviewM, &QAction::triggered, this, &Form1::EnvelopePreviewM_Click);
    connect(envelopeSetup, &EnvelopeSetupDialog::previewAsked, this, &Form1::EnvelopePreviewM_Click);
    connect(envelopeSetup, &EnvelopeSetupDialog::testPrintAsked, this, &Form1::testPrint_Click);
    connect(envelopeSetup, &EnvelopeSetupDialog::changed, this, [this](Setting setting, const QString &text) {
        storeField(setting, text);
        if (keptPerPrinter(setting))
            rememberPrinterSetup();
        refreshPreview();
    });
    connect(envelopeSetup, &EnvelopeSetupDialog::printerChosen, this, &Form1::EnvelopePrinter_Click);
    new ToAddressPlacement(envelopeSetup, envelopePreview, TextToAddress, TextAddressToOffX, TextAddressToOffY, this);
    connect(envelopePreview, &EnvelopePreview::openChanged, this, [this](bool open) {
        if (ending())
            return;
        storeField(Setting::EnvelopePreviewOpen, open ? QStringLiteral("1") : QStringLiteral("0"));
        refreshPreview();
    });
    connect(envelopePreview, &EnvelopePreview::placeChanged, this,
            [this] { storeField(Setting::EnvelopePreviewPlace, envelopePreview->place()); });

    for (AddressTextBox *box : {TextReturn, TextToAddress})
        connect(box, &AddressTextBox::changed, this, &Form1::refreshPreview);
    for (QLineEdit *box :
         {TextReturnOffX, TextReturnOffY, TextAddressToOffX, TextAddressToOffY, TextReturnPrintFontSize,
          TextReturnPrintFonttype, TextToAddressPrintFontSize, TextToAddressPrintFontType})
        connect(box, &QLineEdit::textChanged, this, &Form1::refreshPreview);

    // The print server is asked in the background; what it says changes
    // the set-up's lists and the preview's page.
    m_printerWatch = new QTimer(this);
    m_printerWatch->setInterval(kPrinterWatchMs);
    connect(m_printerWatch, &QTimer::timeout, this, [this] {
        if (envelopePreview->isVisible() || envelopeSetup->isVisible())
            askPrinter();
        else
            m_printerWatch->stop();
    });
    if (m_services.pages) {
        m_services.pages->setChangeHandler([this] {
            if (ending())
                return;
            envelopePreview->forgetPage();
            refreshPreview();
        });
    }
}

void Form1::testPrint_Click()
{
    // Not inside an envelope's open document.
    if (ending() || m_printingEnvelope)
        return;
    m_acceptedPaperProblem.clear();
    m_toldNotice.clear();
    EnvelopeFields fields = envelopeFields();
    fields.printAnyway = [this](const QString &problem) { return printAnyway(problem); };
    const EnvelopeResult result = printTestEnvelope(fields, m_services.printer);
    if (!result.succeeded() && !result.reason.isEmpty() && !ending())
        m_services.messages.warning(result.message());
    tellNotice(result.notice);
}

void Form1::assignEnvelopeSetting(Setting setting, const QString &text)
{
    if (setting == Setting::EnvelopePreviewPlace) {
        envelopePreview->setPlace(text);
    } else if (setting == Setting::EnvelopePreviewOpen) {
        envelopePreview->setVisible(text == u"1");
    } else if (setting == Setting::EnvelopeSetups) {
        // Lines that cannot be read are kept, unused, and written back.
        m_printerSetups = readPrinterSetups(text);
        m_printerSetupsRead = true;
        storeField(setting, text);
    } else {
        envelopeSetup->assign(setting, text);
    }
}

void Form1::rememberPrinterSetup()
{
    if (!m_printerSetupsRead)
        return;
    const EnvelopeSetup setup = envelopeSetup->setup();
    if (m_printerSetups.byPrinter.value(setup.printer) == setup)
        return;
    m_printerSetups.byPrinter.insert(setup.printer, setup);
    storeField(Setting::EnvelopeSetups, writePrinterSetups(m_printerSetups));
}

void Form1::EnvelopePrinter_Click()
{
    // The printer chosen brings back its own set-up; one chosen for the
    // first time starts from the set-up shown, but with its own choice of
    // tray and paper type: another printer's may mean nothing to it.
    EnvelopeSetup setup = envelopeSetup->setup();
    setup.tray.clear();
    setup.paperType.clear();
    setup = m_printerSetups.byPrinter.value(setup.printer, setup);
    for (const auto &[setting, text] : perPrinterFields(setup))
        envelopeSetup->assign(setting, text);
    rememberPrinterSetup();
    envelopePreview->forgetPage();
    askPrinter();
    refreshPreview();
}

void Form1::askPrinter()
{
    if (m_services.pages && !ending())
        m_services.pages->refresh(paperOf(envelopeSetup->setup()));
}

void Form1::showPrinter()
{
    const PrinterDescription printer =
        m_services.pages ? m_services.pages->describe(paperOf(envelopeSetup->setup())) : PrinterDescription{};
    envelopeSetup->showPrinter(printer, envelopePreview->layout().paperProblem());
}

void Form1::refreshPreview()
{
    // Laid out only while someone can see it: typing stays as fast as ever.
    if (!envelopePreview || !(envelopePreview->isVisible() || envelopeSetup->isVisible()))
        return;
    if (!m_printerWatch->isActive()) {
        m_printerWatch->start();
        askPrinter();
    }
    envelopePreview->showEnvelope(envelopeFields());
    showPrinter();
}

void Form1::EnvelopeM_Click()
{
    envelopeSetup->show();
    envelopeSetup->raise();
    envelopeSetup->activateWindow();
    refreshPreview();
}

void Form1::EnvelopePreviewM_Click()
{
    envelopePreview->show();
    envelopePreview->raise();
}
