// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV reader on any bytes, decoded as a file is, with the columns its
// header names or a mapping the input chooses: the fields of each record
// are what the text holds, each entry is in the book's own form, and the
// entries, written as CSV and read again, come back the same.
#include "addressbook/bookcodec.h"
#include "contacts/contactencoding.h"
#include "contacts/contactentry.h"
#include "contacts/contactwriters.h"
#include "contacts/csvcolumns.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the columns: the header's, or a mapping that
    // gives column i the field (byte + i) among the eight.
    const int choice = data[0];
    const QString text = decodeContactText(QByteArrayView(data + 1, qsizetype(size - 1)));
    const CsvTable table = readCsv(text, [](qsizetype done, qsizetype total) {
        if (done < 0 || done > total)
            std::abort();
        return true;
    });
    if (table.records.size() != table.lines.size() || (table.stoppedAt > 0) == table.problem.isEmpty())
        std::abort();
    CsvColumns columns = recogniseColumns(table.records.value(0));
    if (choice % 2 == 1) {
        QList<ContactField> fields;
        for (qsizetype i = 0; i < table.records.value(0).size(); ++i)
            fields << kContactFields[(choice / 2 + i) % std::size(kContactFields)];
        columns = columnsFromFields(fields);
    }
    const ContactsRead read = contactsFromCsv(table, columns);
    QStringList entries;
    for (const Contact &contact : read.contacts) {
        const QString entry = contactEntry(contact, contact.preferredAddress(), u"DE");
        if (entry != asStored(entry))
            std::abort();
        if (writesBack(entry))
            entries << entry;
    }
    const CsvTable written = readCsv(decodeContactText(writeCsv(entries, u"US")));
    const ContactsRead again = contactsFromCsv(written, recogniseColumns(written.records.value(0)));
    QStringList back;
    for (const Contact &contact : again.contacts)
        back << contactEntry(contact, contact.preferredAddress(), u"DE");
    if (back != entries || written.stoppedAt > 0 || !again.skipped.isEmpty())
        std::abort();
    return 0;
}
