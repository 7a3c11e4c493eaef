// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/addressfinder.h"

#include <QObject>
#include <QString>

#include <functional>

class AddressBookSession;
class AddressListView;
class BookHistory;
class FindBar;
class QAction;
class QMainWindow;
class QMenu;
class UserMessages;

// The Edit menu and what it does to the address book: undo and redo, find,
// edit, remove and the duplicates, and the list's context menu. Each change
// is one step of the book's history and is saved as any change is.
class BookEditFlow final : public QObject
{
    Q_OBJECT

public:
    struct Context
    {
        QMainWindow *window;
        QMenu *before; // the Edit menu goes in front of it
        AddressListView *list;
        AddressBookSession &book;
        BookHistory &history;
        UserMessages &messages;
        std::function<void(const QString &entry)> printEntry; // as Print does, the window's boxes untouched
    };

    BookEditFlow(Context context, QObject *parent);

    QMenu *menu() const { return m_menu; }
    FindBar *findBar() const { return m_findBar; }

    void undo();
    void redo();
    // The next entry holding the find field's text (the one before when
    // backward) becomes the current entry; with no text, the field opens.
    void findNext(bool backward);
    void editAddress();
    void removeAddress();
    void findDuplicates();
    void printThisEnvelope();

private:
    void createActions();
    void showHistory();
    int currentRow() const;
    // Makes the entry current and copies it into the To box, as a move in the list does.
    void moveTo(int row);
    void replaceEntry(int row, const QString &entry);

    Context m_context;
    AddressFinder m_finder;
    QMenu *m_menu = nullptr;
    FindBar *m_findBar = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
