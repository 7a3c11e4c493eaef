// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"
#include "contacts/contactreviewmodel.h"
#include "platform/eventpump.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class MessageBox;
class QProgressDialog;
class QWidget;

// One contacts file, from its name to the entries the user ticked: read
// with the window kept responsive (and a progress dialog on a long read),
// its columns chosen by the user where a CSV's headers are unknown, then
// the review. What cannot be read is told, and nothing comes of it.
class ContactImportFlow final : public QObject
{
    Q_OBJECT

public:
    struct Context
    {
        QWidget *window;
        MessageBox &messages;
        ProcessEvents events;
        std::function<bool()> stopped;
        QStringList book;   // the address book's entries, to tell those already there
        QString home;       // the user's territory, ISO 3166
        QString remembered; // the column mapping the user chose last
    };

    explicit ContactImportFlow(Context context, QObject *parent = nullptr);

    // Reads the file and opens the next dialog; finished() follows once the
    // flow has ended, whichever way.
    void start(const QString &path);

signals:
    void columnsChosen(const QString &setting);
    void reviewed(const ReviewOutcome &outcome);
    void finished();

private:
    void review(ContactsRead read, const QString &source);
    void reviewRead();
    void finish();
    void later(void (ContactImportFlow::*step)());
    // Closed before any message or dialog about the file.
    void closeProgress();

    static constexpr qint64 kShowProgressAfterMs = 500;

    Context m_context;
    QPointer<QProgressDialog> m_progress;
    QString m_path;
    QString m_name;
    ContactsRead m_read; // a mapped CSV's contacts, on their way to the review
    // What the review accepted, told when the flow finishes.
    bool m_accepted = false;
    ReviewOutcome m_outcome;
    bool m_finished = false;
};
