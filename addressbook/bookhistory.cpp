// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/bookhistory.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/addressmatch.h"

#include <QScopedValueRollback>
#include <QUndoCommand>

#include <utility>

// One step: the entries it added and those it removed, by their texts, so
// that it still applies after other steps and other copies moved entries.
class BookChange final : public QUndoCommand
{
public:
    BookChange(BookHistory &history, const QString &name, QStringList added, QStringList removed,
               QStringList removedTicked)
        : QUndoCommand(name),
          m_history(history),
          m_added(std::move(added)),
          m_removed(std::move(removed)),
          m_removedTicked(std::move(removedTicked))
    {}

    void undo() override { m_history.apply(m_removed, m_added, m_removedTicked); }
    void redo() override
    {
        // The first redo is the command itself, already done.
        if (!std::exchange(m_pushed, true))
            return;
        m_history.apply(m_added, m_removed, {});
    }

private:
    BookHistory &m_history;
    QStringList m_added;
    QStringList m_removed;
    QStringList m_removedTicked; // those of m_removed that were ticked
    bool m_pushed = false;
};

BookHistory::BookHistory(AddressBookSession &book, QObject *parent) : QObject(parent), m_book(book)
{
    const AddressListModel *list = book.model();
    connect(list, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { record(m_added, first, last); });
    connect(list, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &, int first, int last) { record(m_removed, first, last); });
}

BookHistory::Step BookHistory::step(Command command)
{
    begin(command);
    return Step(this);
}

void BookHistory::begin(Command command)
{
    if (m_depth++ > 0)
        return;
    m_command = command;
    m_added.clear();
    m_removed.clear();
    m_removedTicked.clear();
}

void BookHistory::end()
{
    if (--m_depth > 0 || (m_added.isEmpty() && m_removed.isEmpty()))
        return;
    const QString text = name(m_command, std::max(m_added.size(), m_removed.size()));
    m_stack.push(new BookChange(*this, text, std::exchange(m_added, {}), std::exchange(m_removed, {}),
                                std::exchange(m_removedTicked, {})));
}

bool BookHistory::recording() const
{
    return m_depth > 0 && !m_applying && !m_book.takingIn();
}

void BookHistory::record(QStringList &into, int first, int last)
{
    if (!recording())
        return;
    const AddressListModel &list = *m_book.model();
    for (int row = first; row <= last; ++row) {
        into.append(list.text(row));
        // Brought back by an undo, a removed entry keeps its tick.
        if (&into == &m_removed && list.isTicked(row))
            m_removedTicked.append(list.text(row));
    }
}

void BookHistory::apply(const QStringList &add, const QStringList &remove, const QStringList &tick)
{
    AddressListModel &list = *m_book.model();
    {
        const QScopedValueRollback applying(m_applying, true);
        list.removeAt(rowsOfTexts(list.texts(), remove));
        list.add(add);
        if (!tick.isEmpty()) {
            // Ticks go to entries not ticked yet: a ticked one stands for no text.
            QStringList unticked = list.texts();
            for (int row = 0; row < list.count(); ++row) {
                if (list.isTicked(row))
                    unticked[row] = QString();
            }
            for (int row : rowsOfTexts(unticked, tick))
                list.setTicked(row, true);
        }
    }
    m_applied = m_book.save();
}

BookResult BookHistory::undo()
{
    m_applied = {};
    m_stack.undo();
    return std::exchange(m_applied, {});
}

BookResult BookHistory::redo()
{
    m_applied = {};
    m_stack.redo();
    return std::exchange(m_applied, {});
}

QString BookHistory::name(Command command, qsizetype count)
{
    QString what;
    switch (command) {
    case Command::SaveAddress: what = tr("Save Address"); break;
    case Command::ClearSelected: what = tr("Clear Selected"); break;
    case Command::ImportAddresses: what = tr("Import Addresses"); break;
    case Command::ImportFile: what = tr("Import Addresses from File"); break;
    case Command::AddContacts: what = tr("Add Contacts"); break;
    case Command::EditAddress: return tr("Edit Address");
    case Command::RemoveAddress: what = tr("Remove Address"); break;
    case Command::RemoveDuplicates: what = tr("Remove Duplicates"); break;
    }
    //: %1 is a command such as "Clear Selected".
    return count == 1 ? tr("%1 (1 address)").arg(what) : tr("%1 (%2 addresses)").arg(what).arg(count);
}
