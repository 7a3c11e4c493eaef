// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <vector>

class AddressListModel;

// Finds the entries that contain a text in any of their lines, ignoring
// case and accents. The entries' folded texts are kept between searches as
// one text, made again after the list changes, so that each Find Next is
// one search through it.
class AddressFinder final : public QObject
{
    Q_OBJECT

public:
    explicit AddressFinder(const AddressListModel &list, QObject *parent = nullptr);

    // The first matching position after `from` (before it when backward),
    // going round past the end; `from` itself comes last. -1 when none
    // matches or the text is empty; from = -1 starts at the list's end.
    int find(const QString &text, int from, bool backward);

private:
    void foldEntries();

    const AddressListModel &m_list;
    int rowAt(qsizetype position) const;

    QString m_folded;                // every entry folded, each ending in a line break
    std::vector<qsizetype> m_starts; // where each entry starts in m_folded
    bool m_stale = true;
};
