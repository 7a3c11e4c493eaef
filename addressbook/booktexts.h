// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/bookfiles.h"

#include <QCoreApplication>
#include <QString>

// What the address book tells the user about its loads and saves.
class BookTexts
{
    Q_DECLARE_TR_FUNCTIONS(BookTexts)

public:
    static QString complete();
    static QString refused(qsizetype unstorable, qsizetype full);
    static QString unreadable(const QString &path, const QString &error);
    // What a load left out of the list, or nothing when it took in everything.
    static QString incompleteLoad(const QString &path, const BookContent &content, int added);
    static QString missingImport(const QString &path);
    static QString keptCopy(const QString &path, const QString &copy, KeepReason reason);
    static QString notSaved(const QString &path, const BookSave &save);
    static QString stillInUse(const QString &path);
    static QString lockedByAnotherCopy(const QString &path);
    static QString lockNotAFile(const QString &path, const QString &lock, const QString &what);
    static QString replaceOtherFile(const QString &path);
    static QString quitWithoutSaving();
};
