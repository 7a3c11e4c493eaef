// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's help and information menu.
#include "app/form1.h"

#include "platform/messagebox.h"
#include "platform/shell.h"

namespace {
const QString kAuthor = QStringLiteral("Tarvik");
const QString kAuthorEmail = QStringLiteral("tarvik@example.org");
const QString kHomeHost = QStringLiteral("www.example.org");
const QString kCustomProgrammingPage = QStringLiteral("www.example.org/customprogramming.htm");
const QString kSuggestionsEmail = QStringLiteral("suggestions@example.org");

QString aboutText()
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Quillon 2.1") + crlf + crlf + QStringLiteral("Written By: ") + kAuthor + crlf
        + QStringLiteral("Email: ") + kAuthorEmail + u' ' + crlf + QStringLiteral("Web Site: ") + kHomeHost
        + u' ' + crlf;
}
} // namespace

void Form1::AboutMMMM_Click()
{
    m_services.messages.information(aboutText());
}

void Form1::HelpMMMM_Click()
{
    m_services.shell.openUrl(kHomeHost);
}

void Form1::HelpM_Click()
{
    HelpMMMM_Click();
}

void Form1::CustomProgrammingMenu_Click()
{
    m_services.shell.openUrl(kCustomProgrammingPage);
}

void Form1::SuggestionsMenu_Click()
{
    m_services.messages.information(QStringLiteral("Could you please mail any suggestions to ") + kSuggestionsEmail);
}
