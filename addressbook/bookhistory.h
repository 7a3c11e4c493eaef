// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/addressbooksession.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <QUndoStack>

// The address book's undo and redo. Each command that changes the list
// opens a step; what the list gains and loses while the step is open is
// one undoable change, named after its command. An undo or redo changes
// the list back or again and saves the book as any change does. Entries
// taken in from another copy's save are no part of any step.
class BookHistory final : public QObject
{
    Q_OBJECT

public:
    enum class Command {
        SaveAddress,
        ClearSelected,
        ImportAddresses,
        ImportFile,
        AddContacts,
        EditAddress,
        RemoveAddress,
        RemoveDuplicates,
    };

    // Open while it lives; a step opened inside another joins it.
    class [[nodiscard]] Step
    {
    public:
        explicit Step(BookHistory *history) : m_history(history) {}
        Step(const Step &) = delete;
        Step &operator=(const Step &) = delete;
        ~Step() { m_history->end(); }

    private:
        BookHistory *m_history;
    };

    explicit BookHistory(AddressBookSession &book, QObject *parent = nullptr);

    Step step(Command command);

    // Its signals tell when the texts below and whether they apply change.
    const QUndoStack &stack() const { return m_stack; }
    // "Clear Selected (3 addresses)": what an undo or redo would change.
    QString undoText() const { return m_stack.undoText(); }
    QString redoText() const { return m_stack.redoText(); }
    // What saving the book after the change did; Done with nothing to tell
    // when there was nothing to undo or redo.
    BookResult undo();
    BookResult redo();

    static QString name(Command command, qsizetype count);

private:
    friend class BookChange;
    void begin(Command command);
    void end();
    bool recording() const;
    void record(QStringList &into, int first, int last);
    // Takes out one entry for each of `remove`, adds `add`, ticks an
    // unticked entry for each of `tick`, and saves.
    void apply(const QStringList &add, const QStringList &remove, const QStringList &tick);

    AddressBookSession &m_book;
    QUndoStack m_stack;
    int m_depth = 0;
    Command m_command = Command::SaveAddress;
    QStringList m_added;
    QStringList m_removed;
    QStringList m_removedTicked;
    bool m_applying = false;
    BookResult m_applied;
};
