// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contact.h"

#include "contacts/contacttexts.h"

#include <utility>

bool PostalAddress::hasParts() const
{
    // A region or a country alone reaches no one.
    return !street.isEmpty() || !locality.isEmpty() || !postalCode.isEmpty();
}

int Contact::preferredAddress() const
{
    int best = -1;
    for (int i = 0; i < addresses.size(); ++i) {
        if (best < 0 || addresses[i].preference < addresses[best].preference)
            best = i;
    }
    return best;
}

void ContactsRead::take(Contact contact, bool isGroup)
{
    // Nothing is guessed: without a postal address a contact gives no envelope.
    contact.addresses.removeIf([](const PostalAddress &address) { return address.isEmpty(); });
    if (!contact.addresses.isEmpty() && !isGroup) {
        contacts.append(std::move(contact));
        return;
    }
    QString who = !contact.name.trimmed().isEmpty() ? contact.name.trimmed() : contact.organisation.trimmed();
    if (who.isEmpty())
        who = ContactTexts::unnamed(contact.line);
    skipped.append({who, isGroup ? ContactTexts::isGroup() : ContactTexts::noPostalAddress()});
}

QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype next = pastLineBreak(text, i);
        if (next == i) {
            ++i;
            continue;
        }
        lines << text.sliced(from, i - from).toString();
        i = from = next;
    }
    lines << text.sliced(from).toString();
    return lines;
}

qsizetype pastLineBreak(QStringView text, qsizetype at)
{
    if (at < text.size() && text[at] == u'\r')
        return at + 1 < text.size() && text[at + 1] == u'\n' ? at + 2 : at + 1;
    return at < text.size() && text[at] == u'\n' ? at + 1 : at;
}

QString joinNonEmpty(const QStringList &parts, QStringView separator)
{
    QStringList kept;
    for (const QString &part : parts) {
        if (!part.trimmed().isEmpty())
            kept << part.trimmed();
    }
    return kept.join(separator);
}
