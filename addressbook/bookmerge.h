// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>

// How the shown list becomes the book on disk with this copy's own changes
// kept: the entries added to the list since `base` (what this copy last
// read from or wrote to the file) are added to `disk`, and those removed
// since are removed from it. Entries count as the same when the file
// stores them alike; two equal entries are two entries.
struct BookMerge
{
    QList<int> removeRows; // rows of the list that the merged book lacks
    QStringList add;       // entries of `disk` that the list lacks
};

BookMerge mergeBook(const QStringList &base, const QStringList &list, const QStringList &disk);
