// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/addressfinder.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/addressmatch.h"

#include <algorithm>

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
    m_starts.clear();
    m_starts.reserve(size_t(m_list.count()));
    for (int row = 0; row < m_list.count(); ++row) {
        m_starts.push_back(m_folded.size());
        // The line break keeps a match from running from one entry into the next.
        m_folded += foldedForFind(m_list.text(row));
        m_folded += u'\n';
    }
    m_stale = false;
}

int AddressFinder::rowAt(qsizetype position) const
{
    return int(std::upper_bound(m_starts.begin(), m_starts.end(), position) - m_starts.begin()) - 1;
}

int AddressFinder::find(const QString &text, int from, bool backward)
{
    const QString needle = foldedForFind(text);
    if (needle.isEmpty() || needle.contains(u'\n') || m_list.count() == 0)
        return -1;
    if (m_stale)
        foldEntries();
    const int rows = int(m_starts.size());
    if (from < 0 || from >= rows)
        from = backward ? 0 : rows - 1;
    if (!backward) {
        const qsizetype next = from + 1 < rows ? m_starts[size_t(from + 1)] : m_folded.size();
        qsizetype at = m_folded.indexOf(needle, next);
        if (at < 0)
            at = m_folded.indexOf(needle);
        return at < 0 ? -1 : rowAt(at);
    }
    qsizetype at = from > 0 ? m_folded.lastIndexOf(needle, m_starts[size_t(from)] - 1) : -1;
    if (at < 0)
        at = m_folded.lastIndexOf(needle);
    return at < 0 ? -1 : rowAt(at);
}
