// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"

struct ReviewOutcome;

#include <QCoreApplication>
#include <QString>

// What reading, reviewing and writing contacts tells the user.
class ContactTexts
{
    Q_DECLARE_TR_FUNCTIONS(ContactTexts)

public:
    // Why a contact is skipped, and how it is named when it has no name.
    static QString noPostalAddress();
    static QString isGroup();
    static QString unnamed(int line);

    // Where and why reading stopped.
    static QString outsideVCard();
    static QString vCardInsideVCard(int startedAt);
    static QString endWithoutBegin();
    static QString vCardNeverEnds(int startedAt);
    static QString quoteNeverCloses();
    // The part of a file that could not be read, as the review lists it.
    static QString atLine(int line);

    // An address's kind ("Home"), empty when it has none, and with its lines.
    static QString kindOf(PostalAddress::Kind kind);
    static QString kindAndLines(const QString &kind, const QString &lines);

    // The file.
    static QString folder();
    static QString notRegularFile();
    static QString tooLarge(qint64 size, qint64 limit);
    static QString notRead(const QString &path, const QString &error);
    static QString noContacts(const QString &path);

    // The review's notes on a contact and on the file.
    static QString postalCodeMisfit(const QString &countryCode);
    static QString valuesCut(int cut);
    // A line as a list shows it: at most kShownLine characters, and how
    // many more there were.
    static QString shownLine(QStringView line);
    static constexpr qsizetype kShownLine = 1000;

    // After the review and after an export.
    static QString added(int added, const ReviewOutcome &review);
    static QString nothingToExport();
    static QString exported(int count, const QString &path);
    static QString notExported(const QString &path, const QString &error);
    static QString replaceQuestion(const QString &path);
};
