// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// An address book entry read back as the contact it would be: the name on
// its first line, an organisation on the next where one fits, and the
// address's parts found by matching the lines against its country's
// format (the country on its last line, or `home`, an ISO 3166 code, when
// the entry has none). The address keeps the lines below the name and
// organisation as its label.
struct EntryParts
{
    QString name;
    QString organisation;
    PostalAddress address;
};

EntryParts entryParts(const QStringList &lines, QStringView home);
