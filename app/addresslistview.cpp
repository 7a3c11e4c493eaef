// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/addresslistview.h"

#include "addressbook/addresslistmodel.h"

AddressListView::AddressListView(QWidget *parent)
    : QListView(parent), m_book(new AddressListModel(this))
{
    // Every row is one line high: the view lays out tens of thousands of
    // entries without asking each one for its size.
    setUniformItemSizes(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(m_book);
}
