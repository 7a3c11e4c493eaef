// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's help and information menu.
#include "app/form1.h"

#include "app/maker.h"
#include "app/manualflow.h"
#include "platform/messagebox.h"

namespace {
QString aboutText()
{
    // Every line of the About text ends in CR LF, the program's line break;
    // the catalogue keeps plain line breaks for the translators.
    return Form1::tr("Quillon 2.1\n\nWritten By: %1\nEmail: %2 \nWeb Site: %3 \n")
        .arg(kAuthor, kAuthorEmail, kHomeHost)
        .replace(u'\n', QStringLiteral("\r\n"));
}
} // namespace

void Form1::AboutMMMM_Click()
{
    m_services.messages.information(aboutText());
}

void Form1::HelpMMMM_Click()
{
    m_manual->openWebPage(kHomeHost);
}

void Form1::HelpM_Click()
{
    HelpMMMM_Click();
}

void Form1::CustomProgrammingMenu_Click()
{
    m_manual->openWebPage(kCustomProgrammingPage);
}

void Form1::SuggestionsMenu_Click()
{
    m_services.messages.information(tr("Could you please mail any suggestions to %1").arg(kSuggestionsEmail));
}
