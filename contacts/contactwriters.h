// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

class AddressListModel;

// Address book entries as contacts files that read back into the same
// entries (lines are parted by CR LF; a lone CR or LF inside a line comes
// back as a line break). Empty entries are left out.

// Whether the writers give this entry back as it is: it has a line, and
// no line holds a line break of its own.
bool writesBack(const QString &entry);

// vCard 4.0 in UTF-8: one card per entry, FN its first line and the whole
// entry as its address's LABEL; lines folded at 75 octets.
QByteArray writeVCards(const QStringList &entries);

// CSV (RFC 4180) in UTF-8 with a byte-order mark, which spreadsheets need
// to tell UTF-8: Google Contacts' "Name" and "Address 1 - Formatted"
// columns, the first line and the whole entry.
QByteArray writeCsv(const QStringList &entries);

// What Export Contacts writes: the ticked entries, or all when none is.
QStringList entriesToExport(const AddressListModel &book);
