// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>

// A flat list whose rows each carry a tick box, which a click and Space
// toggle: the part of the model the views need, over the list's own count
// and ticks.
class TickListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    virtual int count() const = 0;
    virtual void setTicked(int row, bool ticked) = 0;

    int rowCount(const QModelIndex &parent = {}) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
};
