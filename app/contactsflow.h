// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/eventpump.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class AddressListModel;
class BookHistory;
class ContactImportFlow;
class FileDialogs;
class MessageBox;
class QWidget;
struct ReviewOutcome;

// The window's contacts files: Import Contacts (from the menu, a drop or
// the command line) one file at a time, each through its own import and
// review, and Export Contacts.
class ContactsFlow final : public QObject
{
    // The texts keep the window's context in the catalogue.
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    struct Context
    {
        QWidget *window;
        MessageBox &messages;
        ProcessEvents events;
        std::function<bool()> ending;
        AddressListModel &book;
        std::function<FileDialogs &()> fileDialogs;
        std::function<QString()> columns;                 // the column mapping the user chose last
        std::function<void(const QString &)> keepColumns; // the one chosen now
        BookHistory &history;
        std::function<int(const QStringList &entries)> add; // returns how many were added
        std::function<void()> save;
    };

    ContactsFlow(Context context, QObject *parent);

    void importChosen();
    // Each file in turn goes to the review, once the one before is done.
    void importFiles(const QStringList &paths);
    void exportBook();

private:
    void importNext();
    void addReviewed(const ReviewOutcome &review);

    Context m_context;
    QStringList m_files; // waiting for the review of the one before
    QPointer<ContactImportFlow> m_import;
};
