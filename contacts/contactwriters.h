// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

class AddressListModel;

// Address book entries as contacts files that other programs read as
// contacts with a postal address, and that read back into the same
// entries (lines are parted by CR LF; a lone CR or LF inside a line comes
// back as a line break). Entries of nothing but white space are left out. Each entry's address
// parts are found through its country's format (entryParts(); `home` is
// the user's territory, an ISO 3166 code).

// Whether the writers give this entry back as it is: it has a line with
// more than white space, and no line holds a line break of its own.
bool writesBack(const QString &entry);

// vCard 4.0 in UTF-8: one card per entry, FN its first line, ORG where one
// was found, ADR the address's parts with the whole entry as its LABEL;
// lines folded at 75 octets. PRODID names Quillon, whose reader then takes
// the LABEL as the entry.
QByteArray writeVCards(const QStringList &entries, QStringView home);

// CSV (RFC 4180) in UTF-8 with a byte-order mark, which spreadsheets need
// to tell UTF-8: Google Contacts' columns (kCsvHeader) for the name, the
// organisation, the entry's other lines as the formatted address, and its
// parts. A cell a spreadsheet would take for a formula starts with "'".
// Read back, the name comes first, also where the country writes it last.
QByteArray writeCsv(const QStringList &entries, QStringView home);
inline constexpr QStringView kCsvHeader =
    u"Name,Organization 1 - Name,Address 1 - Formatted,Address 1 - Street,Address 1 - City,"
    u"Address 1 - Region,Address 1 - Postal Code,Address 1 - Country";
// The PRODID of Quillon's vCards.
inline constexpr QStringView kProdId = u"-//Quillon//Contacts export//EN";

// What Export Contacts writes: the ticked entries, or all when none is,
// less those of nothing but white space.
QStringList entriesToExport(const AddressListModel &book);
