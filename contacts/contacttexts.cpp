// SPDX-License-Identifier: GPL-3.0-or-later
#include "contacts/contacttexts.h"

#include "contacts/contactreviewmodel.h"

#include <QDir>
#include <QLocale>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString count(qsizetype n)
{
    return QLocale().toString(n);
}

} // namespace

QString ContactTexts::noPostalAddress()
{
    return tr("no postal address");
}

QString ContactTexts::isGroup()
{
    return tr("a group of contacts, not a contact");
}

QString ContactTexts::unnamed(int line)
{
    return tr("the contact without a name at line %1").arg(count(line));
}

QString ContactTexts::outsideVCard()
{
    return tr("this line is not part of a vCard (each vCard starts with BEGIN:VCARD)");
}

QString ContactTexts::vCardInsideVCard(int startedAt)
{
    return tr("a vCard starts here before the one that starts at line %1 has ended").arg(count(startedAt));
}

QString ContactTexts::endWithoutBegin()
{
    return tr("END:VCARD without a BEGIN:VCARD before it");
}

QString ContactTexts::vCardNeverEnds(int startedAt)
{
    return tr("the file ends inside the vCard that starts at line %1 (its END:VCARD is missing)").arg(count(startedAt));
}

QString ContactTexts::quoteNeverCloses()
{
    return tr("a field in quotes starts here and its closing quote is missing");
}

QString ContactTexts::atLine(int line)
{
    return tr("line %1").arg(count(line));
}

QString ContactTexts::postalCodeMisfit(const QString &countryCode)
{
    return tr("the postal code does not look like one of %1")
        .arg(QLocale::territoryToString(QLocale::codeToTerritory(countryCode)));
}

QString ContactTexts::valuesCut(int cut)
{
    return tr("%n value(s) longer than %1 characters were cut to that length.", "", cut).arg(count(int(kLongestValue)));
}

QString ContactTexts::shownLine(QStringView line)
{
    if (line.size() <= kShownLine)
        return line.toString();
    return tr("%1... (%2 more characters)").arg(line.first(kShownLine), count(int(line.size() - kShownLine)));
}

QString ContactTexts::kindOf(PostalAddress::Kind kind)
{
    switch (kind) {
    case PostalAddress::Kind::Home: return tr("Home");
    case PostalAddress::Kind::Work: return tr("Work");
    case PostalAddress::Kind::Other: return tr("Other");
    case PostalAddress::Kind::Unnamed: break;
    }
    return {};
}

QString ContactTexts::kindAndLines(const QString &kind, const QString &lines)
{
    return tr("%1: %2", "an address's kind, then its lines").arg(kind, lines);
}

QString ContactTexts::folder()
{
    return tr("it is a folder, not a file");
}

QString ContactTexts::notRegularFile()
{
    return tr("it is not a regular file");
}

QString ContactTexts::tooLarge(qint64 size, qint64 limit)
{
    return tr("it is too large (%1 MB; contacts files of up to %2 MB are read)")
        .arg(count(size >> 20), count(limit >> 20));
}

QString ContactTexts::notRead(const QString &path, const QString &error)
{
    return tr("The contacts file %1 could not be read: %2.\nNothing was added to the address book.")
        .arg(shown(path), error);
}

QString ContactTexts::noContacts(const QString &path)
{
    return tr("The file %1 holds no contacts, so nothing was added to the address book.").arg(shown(path));
}

QString ContactTexts::added(int added, const ReviewOutcome &review)
{
    QString text = tr("Added to the address book: %1\nSkipped: %2\nAlready in the address book: %3")
                       .arg(count(added), count(review.skipped), count(review.inBook));
    if (review.twiceInFile > 0)
        text += u'\n' + tr("Twice in the file: %1").arg(count(review.twiceInFile));
    if (review.unticked > 0)
        text += u'\n' + tr("Not ticked: %1").arg(count(review.unticked));
    return text;
}

QString ContactTexts::nothingToExport()
{
    return tr("The address book is empty, so there is nothing to export.");
}

QString ContactTexts::exported(int exported, const QString &path)
{
    return exported == 1 ? tr("One address was exported to %1.").arg(shown(path))
                         : tr("%1 addresses were exported to %2.").arg(count(exported), shown(path));
}

QString ContactTexts::notExported(const QString &path, const QString &error)
{
    return tr("The contacts could not be exported to %1: %2.\nThat file was left as it was.").arg(shown(path), error);
}

QString ContactTexts::replaceQuestion(const QString &path)
{
    return tr("%1 already exists.\nDo you want to replace it?").arg(shown(path));
}
