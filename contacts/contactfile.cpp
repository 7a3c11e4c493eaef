// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contactfile.h"

#include "contacts/contactencoding.h"
#include "contacts/contacttexts.h"
#include "contacts/contactwriters.h"
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
    QByteArray bytes;
    const RegularFileRead read = readRegularFile(path, kMaxContactFileSize, &bytes, events);
    switch (read.status) {
    case RegularFileRead::Read: break;
    case RegularFileRead::Folder: file.error = ContactTexts::folder(); return file;
    case RegularFileRead::NotRegular: file.error = ContactTexts::notRegularFile(); return file;
    case RegularFileRead::TooLarge: file.error = ContactTexts::tooLarge(read.size, kMaxContactFileSize); return file;
    case RegularFileRead::Failed: file.error = read.error; return file;
    }
    file.ok = true;
    file.text = decodeContactText(bytes);
    file.format = contactFormatOf(path);
    if (!isContactFileName(path))
        file.format = QStringView(file.text).trimmed().startsWith(u"BEGIN:VCARD", Qt::CaseInsensitive)
            ? ContactFormat::VCard
            : ContactFormat::Csv;
    return file;
}

IoResult writeContactFile(const QString &path, const QStringList &entries)
{
    return replaceFile(path, contactFormatOf(path) == ContactFormat::Csv ? writeCsv(entries) : writeVCards(entries));
}
