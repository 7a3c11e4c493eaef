// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactfile.h"

#include "contacts/contactencoding.h"
#include "contacts/contacttexts.h"
#include "contacts/contactwriters.h"
#include "contacts/csvcolumns.h"
#include "contacts/vcardreader.h"
#include "platform/regularfile.h"

#include <QFileInfo>

bool isContactFileName(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == u"vcf" || suffix == u"vcard" || suffix == u"csv";
}

ContactFormat contactFormatOf(const QString &path)
{
    return QFileInfo(path).suffix().compare(u"csv", Qt::CaseInsensitive) == 0 ? ContactFormat::Csv
                                                                              : ContactFormat::VCard;
}

QString withContactSuffix(const QString &path, ContactFormat format)
{
    if (isContactFileName(path))
        return path;
    return path + (format == ContactFormat::Csv ? QStringLiteral(".csv") : QStringLiteral(".vcf"));
}

ContactFile readContactFile(const QString &path, const ProcessEvents &events)
{
    ContactFile file;
    FileBytes read = readRegularFile(path, kMaxContactFileSize, events);
    switch (read.status) {
    case FileBytes::Read: break;
    case FileBytes::Folder: file.error = ContactTexts::folder(); return file;
    case FileBytes::Special: file.error = ContactTexts::notRegularFile(); return file;
    case FileBytes::TooLarge: file.error = ContactTexts::tooLarge(read.size, kMaxContactFileSize); return file;
    case FileBytes::Missing:
    case FileBytes::Failed: file.error = read.error; return file;
    }
    const QByteArray bytes = std::move(read.bytes);
    file.ok = true;
    file.text = decodeContactText(bytes);
    file.format = contactFormatOf(path);
    if (!isContactFileName(path))
        file.format = QStringView(file.text).trimmed().startsWith(u"BEGIN:VCARD", Qt::CaseInsensitive)
            ? ContactFormat::VCard
            : ContactFormat::Csv;
    return file;
}

ContactsRead readContacts(QStringView text, ContactFormat format)
{
    if (format == ContactFormat::VCard)
        return readVCards(text);
    const CsvTable table = readCsv(text);
    return contactsFromCsv(table, recogniseColumns(table.records.value(0)));
}

IoResult writeContactFile(const QString &path, const QStringList &entries, QStringView home)
{
    return replaceFile(
        path, contactFormatOf(path) == ContactFormat::Csv ? writeCsv(entries, home) : writeVCards(entries, home));
}
