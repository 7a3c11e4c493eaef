// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

// The address list on the window: one row per entry with its tick box,
// each entry drawn on one line.
class AddressListView final : public QListView
{
    Q_OBJECT

public:
    explicit AddressListView(QWidget *parent = nullptr);
};
