// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window the printing e2e tests print from, and the jobs it sends.

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

#include <cups/cups.h>

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
    void choose(Setting setting, const QString &value) { form.envelopeSetup->assign(setting, value); }
    // One of the set-up's lists, by the name a screen reader gives it.
    QComboBox *list(const QString &accessibleName) const
    {
        return named<QComboBox>(form.envelopeSetup, accessibleName);
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

// A job's attribute as the server recorded it; empty when it has none.
inline QString jobAttribute(int job, const char *name)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr,
                 qPrintable(QStringLiteral("ipp://localhost/jobs/%1").arg(job)));
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    ipp_attribute_t *attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    QString value;
    if (attribute && ippGetValueTag(attribute) == IPP_TAG_ENUM)
        value = QString::number(ippGetInteger(attribute, 0));
    else if (attribute)
        value = QString::fromUtf8(ippGetString(attribute, 0, nullptr));
    ippDelete(response);
    return value;
}
