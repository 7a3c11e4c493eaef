// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window the printing e2e tests print from.

#include "app/addresstextbox.h"
#include "app/envelopesetupdialog.h"
#include "app/form1.h"
#include "fakes/cupsjobs.h"
#include "fakes/testservices.h"
#include "platform/qt/cupsprinttarget.h"
#include "platform/qt/qtprinter.h"
#include "test_printing_pages.h"

#include <QComboBox>
#include <QLineEdit>

// The window over the fakes, but with the real printer, and the envelope
// of misplacedEnvelope() filled in.
struct Window
{
    Window()
    {
        form.Form_Load();
        form.TextReturn->setText("Alpha\r\nBravo");
        form.TextToAddress->setText("Charlie\r\nDelta\r\n");
        for (const auto &[box, text] : {std::pair{form.TextReturnPrintFonttype, pages::kFace},
                                        {form.TextReturnPrintFontSize, "12"},
                                        {form.TextReturnOffX, "1.5"},
                                        {form.TextReturnOffY, ".5"},
                                        {form.TextToAddressPrintFontType, pages::kFace},
                                        {form.TextToAddressPrintFontSize, "16"},
                                        {form.TextAddressToOffX, "12"},
                                        {form.TextAddressToOffY, "8.25"}})
            box->setText(text);
    }
    void choose(QComboBox *box, const QString &value)
    {
        form.envelopeSetup->assign(box == form.envelopeSetup->printer    ? Setting::EnvelopePrinter
                                       : box == form.envelopeSetup->size ? Setting::EnvelopeSize
                                                                         : Setting::EnvelopeTray,
                                   value);
    }

    // The newest job sent since the window was made; 0 when none was.
    int lastJob() const
    {
        const int newest = newestJob(m_server);
        return newest > m_before ? newest : 0;
    }

    // Asked where the run's own server is, whatever a test points libcups at.
    QByteArray m_server = qgetenv("CUPS_SERVER");
    int m_before = newestJob(m_server);
    TestServices services;
    CupsDefaultPrinter target;
    QtPrinter printer{target};
    Form1 form{Form1Services{services.settings, services.messages, services.shell, services.events, services.clock,
                             services.app, printer, services.programDir.path(), services.dataDir.path(), &target}};
};
