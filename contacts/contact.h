// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// A postal address as a contacts file gives it: structured parts, a
// formatted label, or both.
struct PostalAddress
{
    // Lower is preferred; vCard 4.0 counts 1 to 100, and an address marked
    // preferred in an older form counts as 1.
    static constexpr int kNoPreference = 1000;

    enum class Kind { Unnamed, Home, Work, Other };
    Kind kind = Kind::Unnamed;
    // Street lines, the extended address and the post office box among them.
    QStringList street;
    QString locality;
    QString region;
    QString postalCode;
    QString country;
    // The ISO 3166 code the file gives beside the country, if any.
    QString countryCode;
    // The formatted label's lines, when the file has one.
    QStringList label;
    int preference = kNoPreference;
    // Written by Quillon's export: the label holds the entry's lines as
    // they were.
    bool ownExport = false;

    // Whether the parts make an address: a street, a town or a postcode.
    bool hasParts() const;
    bool isEmpty() const { return !hasParts() && label.isEmpty(); }
};

struct Contact
{
    QString name; // as the file writes it, or built from its parts
    QString organisation;
    QList<PostalAddress> addresses;
    int line = 0; // where the contact starts in its file

    // The address to use unless the user picks another: the most preferred,
    // the first among equals; -1 when there is none.
    int preferredAddress() const;
};

struct SkippedContact
{
    QString name; // its name, organisation or place in the file
    QString reason;
};

// What reading a contacts file gave.
// No envelope needs a longer name, street or town; a file's longer value
// is cut to it, so that no window has to lay out megabytes of one line.
inline constexpr qsizetype kLongestValue = 10000;

struct ContactsRead
{
    QList<Contact> contacts; // each with at least one postal address
    // Contacts left out, and the parts of a broken file that could not be
    // read ("line 12"), each with why.
    QList<SkippedContact> skipped;
    bool cancelled = false;
    // Values longer than kLongestValue, kept to their start.
    int cut = 0;

    // Files the contact under contacts, or under skipped with the reason.
    void take(Contact contact, bool isGroup = false);
};

// The lines of a text, parted by CR LF, LF or CR.
QStringList splitLines(QStringView text);
// Where the text goes on after the line break (CR LF, LF or CR) at `at`;
// `at` itself when none is there.
qsizetype pastLineBreak(QStringView text, qsizetype at);
// The parts that are not empty after trimming, trimmed and joined.
QString joinNonEmpty(const QStringList &parts, QStringView separator);

// Told how far reading has come, now and then; false stops it.
using ReadProgress = std::function<bool(qsizetype done, qsizetype total)>;
