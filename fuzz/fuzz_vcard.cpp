// SPDX-License-Identifier: GPL-3.0-or-later
// The vCard reader on any bytes, decoded as a file is: each contact it
// keeps has an address, each entry it makes is in the book's own form, and
// the entries, written as vCard and read again, come back the same.
#include "addressbook/bookcodec.h"
#include "contacts/contactencoding.h"
#include "contacts/contactentry.h"
#include "contacts/contactwriters.h"
#include "contacts/vcardreader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says when the reading is stopped, as Cancel would.
    const int stopAfter = data[0];
    const QString text = decodeContactText(QByteArrayView(data + 1, qsizetype(size - 1)));
    int calls = 0;
    const ContactsRead read = readVCards(text, [&](qsizetype done, qsizetype total) {
        if (done < 0 || done > total)
            std::abort();
        return stopAfter == 0 || ++calls < stopAfter;
    });
    QStringList entries;
    for (const Contact &contact : read.contacts) {
        if (contact.addresses.isEmpty())
            std::abort();
        for (int address = 0; address < contact.addresses.size(); ++address) {
            const QString entry = contactEntry(contact, address, u"US");
            if (entry != asStored(entry))
                std::abort();
            if (writesBack(entry))
                entries << entry;
        }
    }
    const ContactsRead again = readVCards(decodeContactText(writeVCards(entries, u"US")));
    QStringList back;
    for (const Contact &contact : again.contacts)
        back << contactEntry(contact, contact.preferredAddress(), u"US");
    if (back != entries || !again.skipped.isEmpty())
        std::abort();
    return 0;
}
