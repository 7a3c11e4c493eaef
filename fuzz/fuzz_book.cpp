// SPDX-License-Identifier: GPL-3.0-or-later
// The book reader on any bytes: what it reads must be storable, and
// writing it and reading it back must give the same entries, less what the
// format itself drops (the writer leaves out spaces before an entry's
// first line; the reader drops empty lines).
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"

#include <algorithm>
#include <cstdlib>

namespace {

QString asWrittenAndRead(const QString &entry)
{
    const auto text = std::find_if(entry.begin(), entry.end(), [](QChar c) { return c != u' '; });
    return normaliseRecord(QStringView(text, entry.end()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    int events = 0;
    const BookContent first = decodeBook(bytes, AddressListModel::kCapacity, [&events] { ++events; });
    for (const QString &entry : first.entries) {
        // An entry the reader made must survive the writer, or a load
        // followed by a save would lose it.
        if (!canBeStored(entry) || entry != normaliseRecord(entry))
            std::abort();
    }
    if (first.entries.isEmpty())
        return 0;
    BookEncoding used;
    const QByteArray written = encodeBook(first.entries, &used);
    const BookContent second = decodeBook(written, AddressListModel::kCapacity);
    QStringList expected;
    for (const QString &entry : first.entries)
        expected << asWrittenAndRead(entry);
    if (second.entries != expected || second.encoding != used || second.recordsBeyond != 0 || second.tailHasText)
        std::abort();
    return 0;
}
