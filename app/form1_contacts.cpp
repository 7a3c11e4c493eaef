// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's contacts reactions: ContactsFlow imports and exports.
#include "app/form1.h"

#include "app/contactsflow.h"
#include "platform/qt/qtfiledialogs.h"

FileDialogs &Form1::fileDialogs()
{
    if (m_services.fileDialogs)
        return *m_services.fileDialogs;
    if (!m_desktopDialogs)
        m_desktopDialogs = std::make_unique<QtFileDialogs>(this);
    return *m_desktopDialogs;
}

void Form1::ImportContactsMenu_Click()
{
    m_contacts->importChosen();
}

void Form1::importContacts(const QStringList &paths)
{
    m_contacts->importFiles(paths);
}

void Form1::ExportContactsMenu_Click()
{
    m_contacts->exportBook();
}
