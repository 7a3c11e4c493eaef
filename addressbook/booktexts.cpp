// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/booktexts.h"

#include "addressbook/addresslistmodel.h"

#include <QDir>
#include <QLocale>
#include <QStringList>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString count(qsizetype n)
{
    return QLocale().toString(n);
}

const QString kParagraph = QStringLiteral("\n\n");

} // namespace

QString BookTexts::complete()
{
    return tr("Complete");
}

QString BookTexts::refused(qsizetype unstorable, qsizetype full)
{
    QStringList problems;
    if (unstorable > 0) {
        const QString what = unstorable == 1
            ? tr("This address cannot be stored in the address book: it contains")
            : tr("%1 addresses cannot be stored in the address book: each contains").arg(count(unstorable));
        problems << what
                + tr(" \"*|||||*\" or ends in \"*|||||\", and the address book file uses \"*|||||*\""
                     " to end every address. %1 not added.")
                      .arg(unstorable == 1 ? tr("It was") : tr("They were"));
    }
    if (full > 0) {
        problems << tr("The address book is full: it holds at most %1 addresses. %2 not added; the "
                       "addresses already in the list are kept. Clear some to make room.")
                        .arg(count(AddressListModel::kCapacity),
                             full == 1 ? tr("One address was") : tr("%1 addresses were").arg(count(full)));
    }
    return problems.join(kParagraph);
}

QString BookTexts::unreadable(const QString &path, const QString &error)
{
    return tr("The address book %1 could not be read: %2.\nIt is left as it is, and Quillon will not "
              "save into it. To keep your addresses, save them to another file with File, \"Save "
              "Addresses As\".")
        .arg(shown(path), error);
}

QString BookTexts::incompleteLoad(const QString &path, const BookContent &content, int added)
{
    QStringList problems;
    const qsizetype leftOut = content.recordsBeyond + (content.entries.size() - added);
    if (leftOut > 0) {
        problems << tr("The address book %1 holds more addresses than the list has room for (it holds "
                       "at most %2): %3 were loaded and %4 were left out.")
                        .arg(shown(path), count(AddressListModel::kCapacity), count(added), count(leftOut));
    }
    if (content.tailHasText && content.entries.isEmpty() && content.recordsBeyond == 0) {
        problems << tr("The file %1 holds no address book records (none ends in \"*|||||*\"), so "
                       "nothing was loaded from it.")
                        .arg(shown(path));
    } else if (content.tailHasText) {
        problems << tr("The address book %1 ends with text after its last \"*|||||*\" separator; that "
                       "text is not an address and was not loaded.")
                        .arg(shown(path));
    }
    if (problems.isEmpty())
        return {};
    problems << tr("Nothing is lost: before that file is next saved, Quillon copies it aside and tells "
                   "you where.");
    return problems.join(kParagraph);
}

QString BookTexts::missingImport(const QString &path)
{
    return tr("The file %1 does not exist, so no addresses were added.\nIt is now the address "
              "book file: later saves of the address book will create it.")
        .arg(shown(path));
}

QString BookTexts::keptCopy(const QString &path, const QString &copy, KeepReason reason)
{
    return reason == KeepReason::Imported
        ? tr("Before replacing %1 with the address book, Quillon kept a copy of it as it was, in %2, because "
             "its addresses were imported from it.")
              .arg(shown(path), shown(copy))
        : tr("Before replacing %1, Quillon copied it to %2, because the list did not take in everything that "
             "file held.")
              .arg(shown(path), shown(copy));
}

QString BookTexts::notSaved(const QString &path, const BookSave &save)
{
    switch (save.refused) {
    case BookSave::UnreadFile:
        return tr("The address book was not saved: %1 could not be read when it was loaded (%2), so "
                  "Quillon does not replace it. To keep your addresses, save them to another file with "
                  "File, \"Save Addresses As\".")
            .arg(shown(path), save.error);
    case BookSave::ReadOnly:
        return tr("The address book was not saved: %1 is read-only, so Quillon does not replace it. To keep "
                  "your addresses, save them to another file with File, \"Save Addresses As\", or make that "
                  "file writable.")
            .arg(shown(path));
    case BookSave::NotRefused: break;
    }
    return tr("The address book could not be saved to %1: %2.\nThat file was left as it was.")
        .arg(shown(path), save.error);
}

QString BookTexts::stillInUse(const QString &path)
{
    return tr("The address book file in use is still %1.").arg(shown(path));
}

QString BookTexts::lockedByAnotherCopy(const QString &path)
{
    return tr("The address book %1 is being saved by another running copy of Quillon, which did not "
              "finish in time, so it was not saved now.\nNothing is lost: the list keeps your change, "
              "and the next save of the address book writes it.")
        .arg(shown(path));
}

QString BookTexts::lockNotAFile(const QString &path, const QString &lock, const QString &what)
{
    return tr("The address book %1 was not saved: %2 is %3, not a lock file. Where the folder keeps no locks "
              "of its own, Quillon needs that name for the lock file that keeps two running copies from "
              "saving at once. Rename or remove it, then save again.\nNothing is lost: the list keeps your "
              "change, and the next save of the address book writes it.")
        .arg(shown(path), shown(lock), what);
}

QString BookTexts::replaceOtherFile(const QString &path)
{
    return tr("%1 already exists. Replace it with the address book?").arg(shown(path));
}

QString BookTexts::quitWithoutSaving()
{
    return tr("The address book is still not saved, so your latest changes to it would be lost.\nQuit "
              "without saving them?");
}
