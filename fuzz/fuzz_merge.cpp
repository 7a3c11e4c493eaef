// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the program change one book: this one its list, the other
// the file on disk, both from what this one last read. Merged, no entry
// added by either copy is lost, and no entry removed by either returns;
// entries count as the same when the file stores them alike.
#include "addressbook/bookcodec.h"
#include "addressbook/bookmerge.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QHash>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// A few entries, some of which the file stores alike.
QString consumeEntry(FuzzedDataProvider &data)
{
    static const std::array<const char *, 8> kEntries{"Anne\r\n", "Anne",          "  Anne", "Anne\r\n\r\n",
                                                      "anne\r\n", "Bob\r\nStreet", "",       "Bob\r\n\r\nStreet\r\n"};
    return QString::fromLatin1(kEntries[data.ConsumeIntegralInRange<size_t>(0, kEntries.size() - 1)]);
}

// `from` less some of its entries, plus some others.
QStringList consumeChanged(FuzzedDataProvider &data, const QStringList &from)
{
    QStringList changed;
    for (const QString &entry : from) {
        if (data.ConsumeIntegralInRange(0, 3) != 0)
            changed << entry;
    }
    for (int n = data.ConsumeIntegralInRange(0, 4); n > 0; --n)
        changed.insert(data.ConsumeIntegralInRange<qsizetype>(0, changed.size()), consumeEntry(data));
    return changed;
}

using Counts = QHash<QString, qsizetype>;

// How many of each entry, as the file gives it back.
Counts counted(const QStringList &entries)
{
    Counts counts;
    for (const QString &entry : entries)
        ++counts[decodeBook(encodeBook({entry}).bytes, 1).entries.value(0)];
    return counts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    QStringList base;
    for (int n = data.ConsumeIntegralInRange(0, 8); n > 0; --n)
        base << consumeEntry(data);
    const QStringList list = consumeChanged(data, base);
    const QStringList disk = consumeChanged(data, base);

    const BookMerge merge = mergeBook(base, list, disk);
    if (!std::is_sorted(merge.removeRows.begin(), merge.removeRows.end())
        || std::adjacent_find(merge.removeRows.begin(), merge.removeRows.end()) != merge.removeRows.end()
        || (!merge.removeRows.isEmpty() && (merge.removeRows.first() < 0 || merge.removeRows.last() >= list.size())))
        std::abort();
    QStringList merged;
    for (int row = 0; row < list.size(); ++row) {
        if (!merge.removeRows.contains(row))
            merged << list[row];
    }
    merged += merge.add;

    const Counts before = counted(base);
    const Counts mine = counted(list);
    const Counts theirs = counted(disk);
    const Counts now = counted(merged);
    for (const Counts *counts : {&before, &mine, &theirs}) {
        for (auto it = counts->cbegin(); it != counts->cend(); ++it) {
            const QString &entry = it.key();
            const qsizetype was = before.value(entry);
            const qsizetype addedHere = std::max<qsizetype>(0, mine.value(entry) - was);
            const qsizetype addedThere = std::max<qsizetype>(0, theirs.value(entry) - was);
            const qsizetype removed = std::max<qsizetype>({0, was - mine.value(entry), was - theirs.value(entry)});
            if (now.value(entry) < addedHere + addedThere // an addition lost
                || now.value(entry) > was - removed + addedHere + addedThere)
                std::abort(); // a removal undone
        }
    }
    // What is added comes from the disk.
    const Counts added = counted(merge.add);
    for (auto it = added.cbegin(); it != added.cend(); ++it) {
        if (it.value() > theirs.value(it.key()))
            std::abort();
    }
    return 0;
}
