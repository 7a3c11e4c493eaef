// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/duplicatesdialog.h"

#include "addressbook/addresslistmodel.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kRowRole = Qt::UserRole + 1;

} // namespace

DuplicatesDialog::DuplicatesDialog(const QStringList &entries, const QList<QList<int>> &groups, QWidget *parent)
    : QDialog(parent),
      m_tree(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("DuplicatesDialog"));
    setWindowTitle(tr("Find Duplicates"));
    auto *intro = new QLabel(tr("These addresses are the same when case, spaces, punctuation and line breaks "
                                "are ignored. OK removes the ticked ones."),
                             this);
    intro->setWordWrap(true);
    m_tree->setObjectName(QStringLiteral("DuplicatesList"));
    m_tree->setAccessibleName(tr("Duplicate addresses"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    for (const QList<int> &group : groups) {
        auto *head = new QTreeWidgetItem(m_tree);
        //: %1 is how many entries hold the same address.
        head->setText(0, tr("%1 copies").arg(group.size()));
        head->setFlags(Qt::ItemIsEnabled);
        for (int row : group) {
            auto *item = new QTreeWidgetItem(head);
            item->setText(0, AddressListModel::oneLine(entries[row]));
            item->setData(0, kRowRole, row);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(0, row == group.first() ? Qt::Unchecked : Qt::Checked);
        }
    }
    m_tree->expandAll();
    if (QTreeWidgetItem *first = m_tree->topLevelItemCount() > 0 ? m_tree->topLevelItem(0)->child(0) : nullptr)
        m_tree->setCurrentItem(first);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_tree);
    layout->addWidget(buttons);
    resize(440, 320);
}

QList<int> DuplicatesDialog::ticked() const
{
    QList<int> rows;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *head = m_tree->topLevelItem(g);
        for (int i = 0; i < head->childCount(); ++i) {
            if (head->child(i)->checkState(0) == Qt::Checked)
                rows.append(head->child(i)->data(0, kRowRole).toInt());
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}
