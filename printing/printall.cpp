// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printall.h"

#include "addressbook/addresslistmodel.h"

#include <QPersistentModelIndex>

#include <vector>

int printAllTicked(const AddressListModel &list, const PrintAllSteps &steps)
{
    // Persistent indexes move with their entries when others come and go
    // during a pause, and turn invalid when their own entry is removed.
    std::vector<QPersistentModelIndex> entries;
    entries.reserve(size_t(list.count()));
    for (int row = list.count() - 1; row >= 0; --row)
        entries.emplace_back(list.index(row));

    int printed = 0;
    for (const QPersistentModelIndex &entry : entries) {
        if (steps.processEvents)
            steps.processEvents();
        if (steps.stopped && steps.stopped())
            break;
        if (!entry.isValid() || !list.isTicked(entry.row()))
            continue;
        steps.setToAddress(list.text(entry.row()));
        if (!steps.printEnvelope())
            break;
        ++printed;
        if (steps.pause)
            steps.pause();
    }
    return printed;
}
