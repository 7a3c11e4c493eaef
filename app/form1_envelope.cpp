// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's envelope set-up and preview window: their fields are stored like
// the window's own, and the preview follows every field printing reads.
#include "app/form1.h"

#include "app/addresstextbox.h"
#include "app/busycommand.h"
#include "app/envelopepreview.h"
#include "app/envelopesetupdialog.h"
#include "platform/messagebox.h"
#include "printing/envelope.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace {

template <typename Box>
FieldText textOf(const Box *box)
{
    return [box] { return box->text(); };
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
    };
}

void Form1::connectEnvelopeWindows()
{
    connect(EnvelopeM, &QAction::triggered, this, &Form1::EnvelopeM_Click);
    connect(EnvelopePreviewM, &QAction::triggered, this, &Form1::EnvelopePreviewM_Click);
    connect(envelopeSetup->preview, &QPushButton::clicked, this, &Form1::EnvelopePreviewM_Click);
    connect(envelopeSetup->testPrint, &QPushButton::clicked, this, &Form1::testPrint_Click);
    connect(envelopeSetup, &EnvelopeSetupDialog::changed, this, [this](Setting setting, const QString &text) {
        storeField(setting, text);
        refreshPreview();
    });
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
}

void Form1::testPrint_Click()
{
    // Not inside an envelope's open document.
    if (ending() || m_printingEnvelope)
        return;
    const EnvelopeResult result = [this] {
        const BusyCommand busy(envelopeSetup->testPrint);
        return printTestEnvelope(envelopeFields(), m_services.printer);
    }();
    if (!result.succeeded() && !result.reason.isEmpty())
        m_services.messages.warning(result.message());
}

void Form1::assignEnvelopeSetting(Setting setting, const QString &text)
{
    if (setting == Setting::EnvelopePreviewPlace)
        envelopePreview->setPlace(text);
    else if (setting == Setting::EnvelopePreviewOpen)
        envelopePreview->setVisible(text == u"1");
    else
        envelopeSetup->assign(setting, text);
}

void Form1::refreshPreview()
{
    // Laid out only while someone can see it: typing stays as fast as ever.
    if (envelopePreview && envelopePreview->isVisible())
        envelopePreview->showEnvelope(envelopeFields());
}

void Form1::EnvelopeM_Click()
{
    envelopeSetup->show();
    envelopeSetup->raise();
    envelopeSetup->activateWindow();
}

void Form1::EnvelopePreviewM_Click()
{
    envelopePreview->show();
    envelopePreview->raise();
}
