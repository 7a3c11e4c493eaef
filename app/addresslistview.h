// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

class AddressListModel;

// The address list on the window: one row per entry with its tick box,
// each entry drawn on one line. It owns the list's model.
class AddressListView final : public QListView
{
    Q_OBJECT

public:
    explicit AddressListView(QWidget *parent = nullptr);

    AddressListModel *book() const { return m_book; }

private:
    AddressListModel *m_book;
};
