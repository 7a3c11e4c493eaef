// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QTreeWidget;

// "Find Duplicates": each group of entries that are the same address, with
// every entry but the group's first ticked to be removed.
class DuplicatesDialog final : public QDialog
{
    Q_OBJECT

public:
    // `groups` holds positions in `entries`, as duplicateGroups() gives them.
    DuplicatesDialog(const QStringList &entries, const QList<QList<int>> &groups, QWidget *parent);

    // The positions still ticked, in list order.
    QList<int> ticked() const;
    QTreeWidget *tree() const { return m_tree; }

private:
    QTreeWidget *m_tree;
};
