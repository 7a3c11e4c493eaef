// SPDX-License-Identifier: GPL-3.0-or-later
// The book reader on any bytes, with room for all and for only a few: what
// it reads must be storable, and writing it and reading it back must give
// the same entries, less what the format itself drops (the writer leaves
// out spaces before an entry's first line; the reader drops empty lines).
// The same holds for the bytes taken as typed entries.
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

// Written and read back, the entries come back as the format keeps them,
// in the encoding the writer chose.
void writtenAndRead(const QStringList &entries)
{
    if (entries.isEmpty())
        return;
    const auto [written, used] = encodeBook(entries);
    const BookContent back = decodeBook(written, AddressListModel::kCapacity);
    QStringList expected;
    for (const QString &entry : entries)
        expected << asWrittenAndRead(entry);
    if (back.entries != expected || back.encoding != used || back.recordsBeyond != 0 || back.tailHasText)
        std::abort();
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
    // With room for only a few: the first of the same entries, the rest
    // counted as left out.
    const qsizetype records = first.entries.size() + first.recordsBeyond;
    const qsizetype room = qsizetype(size % 5);
    const BookContent few = decodeBook(bytes, room);
    if (few.entries != first.entries.mid(0, room) || few.recordsBeyond != records - std::min(room, records)
        || few.tailHasText != first.tailHasText || few.encoding != first.encoding)
        std::abort();
    writtenAndRead(first.entries);
    // The same bytes as typed entries, a character a byte, one between
    // each two NUL bytes: whatever the writer writes reads back, however
    // its records' bytes look.
    QStringList typed;
    for (const QByteArray &piece : QByteArray(bytes.data(), bytes.size()).split('\0')) {
        if (const QString entry = QString::fromLatin1(piece); canBeStored(entry))
            typed << entry;
    }
    writtenAndRead(typed);
    return 0;
}
