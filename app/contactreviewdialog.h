// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"

#include <QDialog>

class ContactReviewModel;
class QComboBox;
class QLabel;
class QListView;
class QListWidget;
class QPushButton;

// The contacts of a file before they go into the address book: each as
// its envelope lines with a tick box, the address in use for the chosen
// one, and those skipped with their reasons. The default button accepts;
// Cancel adds nothing.
class ContactReviewDialog final : public QDialog
{
    Q_OBJECT

public:
    // Takes `model` as its child.
    ContactReviewDialog(ContactReviewModel *model, const QList<SkippedContact> &skipped, int cut,
                        const QString &fileName, const QString &source, QWidget *parent = nullptr);

    ContactReviewModel *model() const { return m_model; }

    QListView *contacts = nullptr;
    QComboBox *address = nullptr;
    QListWidget *skipped = nullptr;
    QPushButton *add = nullptr;
    QLabel *summary = nullptr;

private:
    void showAddressesOf(int row);
    void updateCounts();

    ContactReviewModel *m_model;
    int m_skipped;
};
