// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactentry.h"

#include "addressbook/addresstext.h"
#include "addressbook/bookcodec.h"
#include "contacts/addresslayouts.h"
#include "contacts/contacttexts.h"

QString contactEntry(const Contact &contact, int address, QStringView home)
{
    QStringList lines;
    const QString name = contact.name.trimmed().isEmpty() ? QString() : contact.name;
    const QString organisation = contact.organisation.trimmed().isEmpty() ? QString() : contact.organisation;
    lines << name << (organisation == name ? QString() : organisation);
    if (address >= 0 && address < contact.addresses.size()) {
        const PostalAddress &chosen = contact.addresses[address];
        QStringList addressPart = addressLines(chosen, home);
        if (!chosen.hasParts()) {
            // A label written for the whole envelope starts with the name.
            for (const QString &repeated : {name, organisation}) {
                if (!repeated.isEmpty() && !addressPart.isEmpty() && addressPart.first() == repeated)
                    addressPart.removeFirst();
            }
        }
        lines += addressPart;
    }
    QString entry;
    for (const QString &line : std::as_const(lines)) {
        if (!line.isEmpty())
            entry += line, entry += kCrLf;
    }
    return asStored(entry);
}

QString addressSummary(const PostalAddress &address, QStringView home)
{
    const QString lines = addressLines(address, home).join(QStringLiteral(", "));
    const QString kind = ContactTexts::kindOf(address.kind);
    return kind.isEmpty() ? lines : ContactTexts::kindAndLines(kind, lines);
}
