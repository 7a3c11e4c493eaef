// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"
#include "contacts/csvreader.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// What a column of a contacts CSV holds, as the user maps it when its
// header is not one this program knows.
enum class ContactField { Ignored, Name, Organisation, Street, City, Region, PostalCode, Country };
inline constexpr ContactField kContactFields[] = {
    ContactField::Ignored, ContactField::Name,   ContactField::Organisation, ContactField::Street,
    ContactField::City,    ContactField::Region, ContactField::PostalCode,   ContactField::Country,
};

// The columns of one address; several columns of a part are joined (street
// lines one per line, the others with a space).
struct CsvAddressColumns
{
    PostalAddress::Kind kind = PostalAddress::Kind::Unnamed;
    int type = -1; // a column that names the kind (Google's "Address 1 - Type")
    QList<int> street;
    QList<int> city;
    QList<int> region;
    QList<int> postalCode;
    QList<int> country;
    int formatted = -1; // the formatted label
};

struct CsvColumns
{
    // The export whose headers these are: "Google Contacts", "Outlook",
    // "Thunderbird"; empty for plain headers or the user's mapping.
    QString source;
    int fullName = -1;
    QList<int> nameParts; // in the order a name is said
    QList<int> organisation;
    QList<CsvAddressColumns> addresses;

    bool recognised() const { return !addresses.isEmpty(); }
};

// The columns as Google Contacts, Outlook and Thunderbird name them in
// English, or as plain English headers name one address ("Street", "City",
// "ZIP", ...). Not recognised when no address column is among them.
CsvColumns recogniseColumns(const QStringList &header);
// The columns as the user mapped them, one field per column.
CsvColumns columnsFromFields(const QList<ContactField> &fields);
// What each of `count` columns holds as recognised, for the user to mend;
// Ignored where nothing was recognised.
QList<ContactField> fieldsOf(const CsvColumns &columns, int count);
// Whether the recognised columns lack a name or a postal code while some
// of the `count` columns were left unread (Yahoo's "First", "Work ZIP"):
// then the user is asked what they hold.
bool lacksNameOrPostalCode(const CsvColumns &columns, int count);

// One contact a record, the header row left out; records with nothing in
// them are passed over.
ContactsRead contactsFromCsv(const CsvTable &table, const CsvColumns &columns, const ReadProgress &progress = {});

// The user's mapping as the setting stores it, by header name, so that it
// serves the next file with those headers wherever they stand.
QString mappingSetting(const QStringList &header, const QList<ContactField> &fields);
// The remembered fields for this header; Ignored where none is remembered.
QList<ContactField> mappingFor(const QStringList &header, QStringView setting);
