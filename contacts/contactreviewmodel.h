// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/ticklistmodel.h"
#include "contacts/contact.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <vector>

// What the review ends with: the ticked contacts' entries in the file's
// order, and how many were left out, by why.
struct ReviewOutcome
{
    QStringList entries;
    int skipped = 0;     // no postal address, or a group
    int inBook = 0;      // the book has the entry already
    int twiceInFile = 0; // a contact above gives the same entry
    int unticked = 0;    // left unticked by the user
};

// The contacts of a file as the envelopes they would give, each with a
// tick box: those whose entry the book already holds, or an earlier contact
// of the file gives, start unticked. A contact with several addresses
// starts with its preferred one; another can be chosen.
class ContactReviewModel final : public TickListModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContactReviewModel)

public:
    enum class Note { None, InBook, EarlierInFile };

    // `book` holds the address book's entries; `home` is the user's own
    // territory (an ISO 3166 code), whose country line is left out.
    ContactReviewModel(QList<Contact> contacts, const QStringList &book, QString home, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int count() const override { return int(m_rows.size()); }
    QString entry(int row) const;
    Note note(int row) const;
    bool isTicked(int row) const;
    void setTicked(int row, bool ticked) override;

    // One line per address of the contact, and which one is in use.
    QStringList addressChoices(int row) const;
    int addressChoice(int row) const;
    // Uses another address; the tick follows whether the book has it.
    void chooseAddress(int row, int address);

    // The ticked contacts' entries, in the file's order.
    QStringList tickedEntries() const;
    int tickedCount() const { return m_ticked; }
    // The rows with this note that are not ticked.
    int untickedWith(Note note) const;
    // The review as it stands, with the file's skipped contacts.
    ReviewOutcome outcome(int skipped) const;

signals:
    void tickedCountChanged(int ticked);

private:
    struct Row
    {
        Contact contact;
        int address = -1;
        QString entry;
        Note note = Note::None;
        QString misfit; // the country whose postal codes this one's is unlike
        bool ticked = false;
    };

    void place(size_t row, int address);

    std::vector<Row> m_rows;
    QSet<QString> m_book;
    QHash<QString, size_t> m_firstWith; // the first row with an entry
    QString m_home;
    int m_ticked = 0;
};
