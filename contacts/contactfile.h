// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"
#include "platform/atomicfile.h"
#include "platform/eventpump.h"

#include <QString>
#include <QStringList>

enum class ContactFormat { VCard, Csv };

// A contacts file's text, or why it could not be read.
struct ContactFile
{
    bool ok = false;
    QString error;
    ContactFormat format = ContactFormat::VCard;
    QString text;
};

// Larger files are no contacts export: ten thousand contacts with a photo
// each take a few tens of megabytes.
inline constexpr qint64 kMaxContactFileSize = qint64(100) * 1024 * 1024;

// Whether the name says the file holds contacts: .vcf, .vcard or .csv.
bool isContactFileName(const QString &path);
// The format the name's ending says: CSV for .csv, vCard for any other.
ContactFormat contactFormatOf(const QString &path);
// The name with the format's ending added, unless it has one of the three.
QString withContactSuffix(const QString &path, ContactFormat format);

// Reads a regular file of at most kMaxContactFileSize bytes. The name
// tells vCard from CSV; without one of the three endings, a text that
// starts with BEGIN:VCARD is vCard and any other is CSV.
ContactFile readContactFile(const QString &path, const ProcessEvents &events = {});

// The contacts in a contacts file's text, read by the format's reader, a
// CSV by the columns its header names: what Import Contacts reads from a
// file it has nothing to ask about, Quillon's own export among them.
ContactsRead readContacts(QStringView text, ContactFormat format);

// Writes the entries in the format the name's ending says, replacing the
// file as a whole (replaceFile()); `home` is the user's territory.
IoResult writeContactFile(const QString &path, const QStringList &entries, QStringView home);
