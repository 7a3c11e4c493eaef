// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/bookmerge.h"

#include "addressbook/bookcodec.h"

#include <QHash>

namespace {

using Counts = QHash<QString, qsizetype>;

Counts counted(const QStringList &entries)
{
    Counts counts;
    counts.reserve(entries.size());
    for (const QString &entry : entries)
        ++counts[asStored(entry)];
    return counts;
}

} // namespace

BookMerge mergeBook(const QStringList &base, const QStringList &list, const QStringList &disk)
{
    const Counts before = counted(base);
    const Counts now = counted(list);
    // How many of each entry the merged book holds: the disk's, less what
    // this copy removed, plus what it added.
    Counts wanted = counted(disk);
    for (auto it = before.cbegin(); it != before.cend(); ++it)
        wanted[it.key()] -= std::max<qsizetype>(0, it.value() - now.value(it.key()));
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        wanted[it.key()] += std::max<qsizetype>(0, it.value() - before.value(it.key()));

    BookMerge merge;
    for (int row = 0; row < list.size(); ++row) {
        qsizetype &left = wanted[asStored(list[row])];
        if (left > 0)
            --left;
        else
            merge.removeRows.append(row);
    }
    for (const QString &entry : disk) {
        qsizetype &left = wanted[asStored(entry)];
        if (left > 0) {
            --left;
            merge.add.append(entry);
        }
    }
    return merge;
}
