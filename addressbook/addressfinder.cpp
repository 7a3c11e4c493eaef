// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addressfinder.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/addressmatch.h"

AddressFinder::AddressFinder(const AddressListModel &list, QObject *parent) : QObject(parent), m_list(list)
{
    // Ticks change no text; everything else may.
    const auto stale = [this] { m_stale = true; };
    connect(&list, &QAbstractItemModel::rowsInserted, this, stale);
    connect(&list, &QAbstractItemModel::rowsRemoved, this, stale);
    connect(&list, &QAbstractItemModel::layoutChanged, this, stale);
    connect(&list, &QAbstractItemModel::modelReset, this, stale);
}

void AddressFinder::foldEntries()
{
    m_folded.clear();
    m_folded.reserve(size_t(m_list.count()));
    for (int row = 0; row < m_list.count(); ++row)
        m_folded.push_back(foldedForFind(m_list.text(row)));
    m_stale = false;
}

int AddressFinder::find(const QString &text, int from, bool backward)
{
    const QString needle = foldedForFind(text);
    if (needle.isEmpty() || m_list.count() == 0)
        return -1;
    if (m_stale)
        foldEntries();
    const int rows = int(m_folded.size());
    if (from < 0 || from >= rows)
        from = backward ? 0 : rows - 1;
    const int step = backward ? rows - 1 : 1;
    for (int i = 1, row = (from + step) % rows; i <= rows; ++i, row = (row + step) % rows) {
        if (m_folded[size_t(row)].contains(needle))
            return row;
    }
    return -1;
}
