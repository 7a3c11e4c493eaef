// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactentry.h"

#include "addressbook/addresstext.h"
#include "addressbook/bookcodec.h"
#include "contacts/addresslayouts.h"
#include "contacts/contacttexts.h"

namespace {

// The label's lines without the name and organisation it starts with.
QStringList labelBelow(const QStringList &label, const QString &name, const QString &organisation)
{
    QStringList lines = label;
    for (const QString &repeated : {name, organisation}) {
        if (!repeated.isEmpty() && !lines.isEmpty() && lines.first() == repeated)
            lines.removeFirst();
    }
    return lines;
}

} // namespace

QString contactEntry(const Contact &contact, int address, QStringView home)
{
    const QString name = contact.name.trimmed().isEmpty() ? QString() : contact.name;
    const QString organisation =
        contact.organisation.trimmed().isEmpty() || contact.organisation == name ? QString() : contact.organisation;
    QStringList lines{name, organisation};
    if (address >= 0 && address < contact.addresses.size()) {
        const PostalAddress &chosen = contact.addresses[address];
        if (chosen.ownExport && !chosen.label.isEmpty())
            lines = chosen.label; // the entry as it was exported
        else if (chosen.hasParts())
            lines = envelopeLines(name, organisation, chosen, home);
        else
            lines += labelBelow(chosen.label, name, organisation);
    }
    QString entry;
    for (const QString &line : std::as_const(lines)) {
        if (!line.isEmpty())
            entry += line, entry += kCrLf;
    }
    return asStored(entry);
}

QStringList preferredEntries(const QList<Contact> &contacts, QStringView home)
{
    QStringList entries;
    for (const Contact &contact : contacts)
        entries << contactEntry(contact, contact.preferredAddress(), home);
    return entries;
}

QString addressSummary(const PostalAddress &address, QStringView home)
{
    const QString lines = addressLines(address, home).join(QStringLiteral(", "));
    const QString kind = ContactTexts::kindOf(address.kind);
    return kind.isEmpty() ? lines : ContactTexts::kindAndLines(kind, lines);
}
