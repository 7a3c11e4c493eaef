// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's address book commands, Save and Save-As.
#include "app/form1.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/booktexts.h"
#include "app/addresslistview.h"
#include "app/addresstextbox.h"
#include "app/busycommand.h"
#include "platform/messagebox.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

int Form1::addToAddressBook(const QStringList &entries)
{
    const BookResult added = m_book.add(entries);
    m_messages.tell(added);
    return added.added;
}

void Form1::ImportingFile()
{
    m_messages.tell(m_book.load());
}

BookResult::Status Form1::SaveFile()
{
    const BookResult saved = m_book.save();
    m_messages.tell(saved);
    return saved.status;
}

void Form1::CommandKeepToAddress_Click()
{
    const auto step = m_history.step(BookHistory::Command::SaveAddress);
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
        TextToAddress->replaceText(addressBook()->text(current.row()));
}

void Form1::CommandSelectAll_Click()
{
    const BusyCommand busy(CommandSelectAll);
    addressBook()->tickAll();
}

void Form1::CommandClearData_Click()
{
    const auto step = m_history.step(BookHistory::Command::ClearSelected);
    if (m_services.messages.askYesNo(tr("Are you sure you want to clear the select addresses?")))
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
    m_messages.tell(m_book.saveConfirmed());
}

void Form1::SaveMenuAs_Click()
{
    openFrame1(Frame1Mode::Save);
}

void Form1::ImportMenu_Click()
{
    openFrame1(Frame1Mode::Import);
}

void Form1::openFrame1(Frame1Mode mode)
{
    m_frame1Mode = mode;
    Command1->setText(mode == Frame1Mode::Save ? tr("Save") : tr("Import Data"));
    Text1->setText(QDir::toNativeSeparators(m_book.defaultPath()));
    Frame1->show();
    Frame1->raise();
}

void Form1::Command1_Click()
{
    const QString name = Text1->text();
    // No leaves the panel open, for another name.
    if (m_frame1Mode == Frame1Mode::Save && m_book.wouldReplaceAnotherFile(name)
        && !m_services.messages.askYesNo(BookTexts::replaceOtherFile(name)))
        return;
    const auto step = m_history.step(BookHistory::Command::ImportFile);
    const BookResult done = m_frame1Mode == Frame1Mode::Save ? m_book.saveAs(name) : m_book.importFile(name);
    Frame1->hide();
    m_messages.tell(done);
}

void Form1::Command2_Click()
{
    Frame1->hide();
}
