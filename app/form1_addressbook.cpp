// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's address book commands, Save and Save-As.
#include "app/form1.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "app/addresslistview.h"
#include "app/addresstextbox.h"
#include "platform/eventpump.h"
#include "platform/messagebox.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <utility>

namespace {

const QString kComplete = QStringLiteral("Complete");
const QString kSaveCaption = QStringLiteral("Save");
const QString kImportCaption = QStringLiteral("Import Data");
const QString kClearQuestion = QStringLiteral("Are you sure you want to clear the select addresses?");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString count(qsizetype n)
{
    return QLocale().toString(n);
}

QString refusedUnstorable(qsizetype n)
{
    const QString what = n == 1
        ? QStringLiteral("This address cannot be stored in the address book: it contains")
        : QStringLiteral("%1 addresses cannot be stored in the address book: each contains").arg(count(n));
    return what
        + QStringLiteral(" \"*|||||*\" or ends in \"*|||||\", and the address book file uses \"*|||||*\""
                         " to end every address. %1 not added.")
              .arg(n == 1 ? QStringLiteral("It was") : QStringLiteral("They were"));
}

QString refusedFull(qsizetype n)
{
    return QStringLiteral("The address book is full: it holds at most %1 addresses. %2 not added; the "
                          "addresses already in the list are kept. Clear some to make room.")
        .arg(count(AddressListModel::kCapacity),
             n == 1 ? QStringLiteral("One address was") : QStringLiteral("%1 addresses were").arg(count(n)));
}

QString unreadableBook(const QString &path, const QString &error)
{
    return QStringLiteral("The address book %1 could not be read: %2.\r\nIt is left as it is, and Quillon will not "
                          "save into it. To keep your addresses, save them to another file with File, \"Save "
                          "Addresses As\".")
        .arg(shown(path), error);
}

// What a load left out of the list, or nothing when it took in everything.
QString incompleteLoad(const QString &path, const BookContent &content, int added)
{
    QStringList problems;
    const qsizetype leftOut = content.recordsBeyond + (content.entries.size() - added);
    if (leftOut > 0) {
        problems << QStringLiteral("The address book %1 holds more addresses than the list has room for (it holds "
                                   "at most %2): %3 were loaded and %4 were left out.")
                        .arg(shown(path), count(AddressListModel::kCapacity), count(added), count(leftOut));
    }
    if (content.tailHasText && content.entries.isEmpty() && content.recordsBeyond == 0) {
        problems << QStringLiteral("The file %1 holds no address book records (none ends in \"*|||||*\"), so "
                                   "nothing was loaded from it.")
                        .arg(shown(path));
    } else if (content.tailHasText) {
        problems << QStringLiteral("The address book %1 ends with text after its last \"*|||||*\" separator; that "
                                   "text is not an address and was not loaded.")
                        .arg(shown(path));
    }
    if (problems.isEmpty())
        return {};
    problems << QStringLiteral("Nothing is lost: before that file is next saved, Quillon copies it aside and tells "
                               "you where.");
    return problems.join(QStringLiteral("\r\n\r\n"));
}

} // namespace

AddressListModel *Form1::addressBook() const
{
    return List1->book();
}

int Form1::addToAddressBook(const QStringList &entries)
{
    QStringList storable;
    storable.reserve(entries.size());
    for (const QString &entry : entries) {
        if (canBeStored(entry))
            storable.append(entry);
    }
    const qsizetype unstorable = entries.size() - storable.size();
    const int added = addressBook()->add(storable, ThrottledEvents([this] { m_services.events.processEvents(); }));
    const qsizetype full = storable.size() - added;

    QStringList problems;
    if (unstorable > 0)
        problems << refusedUnstorable(unstorable);
    if (full > 0)
        problems << refusedFull(full);
    if (!problems.isEmpty())
        m_services.messages.warning(problems.join(QStringLiteral("\r\n\r\n")));
    return added;
}

Form1::BookLoad Form1::ImportingFile()
{
    if (AddressFileName.isEmpty())
        AddressFileName = m_bookFiles.places().defaultPath();
    const QString path = AddressFileName;

    ++m_bookLoads;
    ThrottledEvents events([this] { m_services.events.processEvents(); });
    const BookRead read = m_bookFiles.read(path, AddressListModel::kCapacity, events);
    // The entries go in at once, after the reading: a command that runs
    // meanwhile sees the list without them, never half of them, and a save
    // it asks for waits until they are in.
    int added = 0;
    if (read.status == BookRead::Read) {
        m_services.events.processEvents();
        if (!ending())
            added = addressBook()->add(read.content.entries, events);
    }
    --m_bookLoads;
    if (ending())
        return BookLoad::Incomplete;

    BookLoad result = BookLoad::Whole;
    if (read.status == BookRead::Missing) {
        result = BookLoad::Missing;
    } else if (read.status == BookRead::Unreadable) {
        result = BookLoad::Unreadable;
        m_services.messages.warning(unreadableBook(path, read.error));
    } else if (const QString problems = incompleteLoad(path, read.content, added); !problems.isEmpty()) {
        result = BookLoad::Incomplete;
        m_bookFiles.keepBeforeReplacing(path);
        m_services.messages.warning(problems);
    }
    finishDeferredSave();
    return result;
}

Form1::BookSaved Form1::SaveFile()
{
    return saveBook(QString());
}

Form1::BookSaved Form1::saveBook(const QString &afterFailure)
{
    if (ending())
        return BookSaved::Failed;
    if (AddressFileName.isEmpty())
        AddressFileName = m_bookFiles.places().defaultPath();
    if (m_bookLoads > 0) {
        m_saveDeferred = true;
        return BookSaved::Deferred;
    }

    const BookSave saved = m_bookFiles.save(AddressFileName, addressBook()->texts());
    if (!saved.keptCopy.isEmpty()) {
        m_services.messages.information(
            QStringLiteral("Before replacing %1, Quillon copied it to %2, because the list did not take in "
                           "everything that file held.")
                .arg(shown(AddressFileName), shown(saved.keptCopy)));
    }
    if (saved.ok)
        return BookSaved::Saved;

    QString text = saved.unreadFile
        ? QStringLiteral("The address book was not saved: %1 could not be read when it was loaded (%2), so "
                         "Quillon does not replace it. To keep your addresses, save them to another file with "
                         "File, \"Save Addresses As\".")
              .arg(shown(AddressFileName), saved.error)
        : QStringLiteral("The address book could not be saved to %1: %2.\r\nThat file was left as it was.")
              .arg(shown(AddressFileName), saved.error);
    if (!afterFailure.isEmpty())
        text += QStringLiteral("\r\n") + afterFailure;
    m_services.messages.warning(text);
    return BookSaved::Failed;
}

void Form1::finishDeferredSave()
{
    if (m_bookLoads > 0 || !m_saveDeferred)
        return;
    m_saveDeferred = false;
    const bool report = std::exchange(m_completeAfterDeferredSave, false);
    if (SaveFile() == BookSaved::Saved && report)
        m_services.messages.information(kComplete);
}

void Form1::CommandKeepToAddress_Click()
{
    // A refused address changed nothing, so there is nothing to save.
    if (addToAddressBook({TextToAddress->text()}) > 0)
        SaveFile();
}

void Form1::List1_Click()
{
    // "Select All" disabled means its loop is ticking entries: no copying.
    if (!CommandSelectAll->isEnabled())
        return;
    const QModelIndex current = List1->currentIndex();
    if (current.isValid())
        TextToAddress->setText(addressBook()->text(current.row()));
}

void Form1::CommandSelectAll_Click()
{
    CommandSelectAll->setEnabled(false);
    addressBook()->tickAll();
    CommandSelectAll->setEnabled(true);
}

void Form1::CommandClearData_Click()
{
    if (m_services.messages.askYesNo(kClearQuestion))
        addressBook()->removeTicked();
    // Rewritten whatever the answer.
    SaveFile();
}

void Form1::CommandClear_Click()
{
    TextToAddress->setText(QString());
    TextReturn->setText(QString());
}

void Form1::SaveMenu_Click()
{
    const BookSaved saved = SaveFile();
    if (saved == BookSaved::Saved)
        m_services.messages.information(kComplete);
    else if (saved == BookSaved::Deferred)
        m_completeAfterDeferredSave = true;
}

void Form1::SaveMenuAs_Click()
{
    Command1->setText(kSaveCaption);
    Text1->setText(shown(m_bookFiles.places().defaultPath()));
    Frame1->show();
    Frame1->raise();
}

void Form1::ImportMenu_Click()
{
    Frame1->show();
    Frame1->raise();
    Text1->setText(shown(m_bookFiles.places().defaultPath()));
    Command1->setText(kImportCaption);
}

void Form1::Command1_Click()
{
    const QString previous = AddressFileName;
    AddressFileName = Text1->text();
    bool complete = false;
    bool missing = false;
    if (Command1->text() == kSaveCaption) {
        const QString stillInUse = previous.isEmpty() ? m_bookFiles.places().defaultPath() : previous;
        const BookSaved saved = saveBook(
            QStringLiteral("The address book file in use is still %1.").arg(shown(stillInUse)));
        if (saved == BookSaved::Failed)
            AddressFileName = previous;
        else if (saved == BookSaved::Deferred)
            m_completeAfterDeferredSave = true;
        complete = saved == BookSaved::Saved;
    } else {
        const BookLoad loaded = ImportingFile();
        complete = loaded == BookLoad::Whole;
        missing = loaded == BookLoad::Missing;
    }
    Frame1->hide();
    if (complete) {
        m_services.messages.information(kComplete);
    } else if (missing && !ending()) {
        m_services.messages.warning(
            QStringLiteral("The file %1 does not exist, so no addresses were added.\r\nIt is now the address "
                           "book file: later saves of the address book will create it.")
                .arg(shown(AddressFileName)));
    }
}

void Form1::Command2_Click()
{
    Frame1->hide();
}
