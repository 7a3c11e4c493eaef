// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/bookeditflow.h"

#include "addressbook/addressbooksession.h"
#include "addressbook/addresslistmodel.h"
#include "addressbook/addressmatch.h"
#include "addressbook/bookcodec.h"
#include "addressbook/bookhistory.h"
#include "addressbook/booktexts.h"
#include "app/addresslistview.h"
#include "app/duplicatesdialog.h"
#include "app/editaddressdialog.h"
#include "app/findbar.h"
#include "app/usermessages.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPersistentModelIndex>

namespace {

// Why an edited entry cannot replace the old one; empty when it can.
QString editProblem(const QString &entry)
{
    if (entry.trimmed().isEmpty())
        return BookEditFlow::tr("An address cannot be empty. The entry was not changed.");
    return canBeStored(entry) ? QString() : BookTexts::refused(1, 0);
}

} // namespace

BookEditFlow::BookEditFlow(Context context, QObject *parent)
    : QObject(parent),
      m_context(std::move(context)),
      m_finder(*m_context.book.model())
{
    createActions();
    showHistory();
    const QUndoStack &stack = m_context.history.stack();
    connect(&stack, &QUndoStack::indexChanged, this, &BookEditFlow::showHistory);
    connect(&stack, &QUndoStack::undoTextChanged, this, &BookEditFlow::showHistory);
    connect(&stack, &QUndoStack::redoTextChanged, this, &BookEditFlow::showHistory);
    connect(m_findBar, &FindBar::findRequested, this, &BookEditFlow::findNext);
}

void BookEditFlow::createActions()
{
    m_menu = new QMenu(tr("&Edit"), m_context.window);
    m_menu->setObjectName(QStringLiteral("MEdit"));
    m_context.window->menuBar()->insertMenu(m_context.before->menuAction(), m_menu);
    const auto item = [this](const QString &caption, const char *name, QList<QKeySequence> keys, auto reaction) {
        QAction *action = m_menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, reaction);
        return action;
    };
    m_undo = item(tr("&Undo"), "UndoM", {QKeySequence::Undo}, &BookEditFlow::undo);
    m_redo =
        item(tr("&Redo"), "RedoM", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
             &BookEditFlow::redo);
    m_menu->addSeparator();
    item(tr("&Find in Addresses..."), "FindM", {QKeySequence::Find}, [this] { m_findBar->open(); });
    item(tr("Find &Next"), "FindNextM", {QKeySequence(Qt::Key_F3)}, [this] { findNext(false); });
    item(tr("Find Pre&vious"), "FindPreviousM", {QKeySequence(Qt::SHIFT | Qt::Key_F3)}, [this] { findNext(true); });
    m_menu->addSeparator();
    QAction *edit =
        item(tr("E&dit Address..."), "EditAddressM", {QKeySequence(Qt::Key_F2)}, &BookEditFlow::editAddress);
    QAction *remove =
        item(tr("Re&move Address"), "RemoveAddressM", {QKeySequence::Delete}, &BookEditFlow::removeAddress);
    // Delete belongs to the text boxes everywhere but in the list.
    remove->setShortcutContext(Qt::WidgetShortcut);
    item(tr("Find Du&plicates..."), "FindDuplicatesM", {}, &BookEditFlow::findDuplicates);

    auto *print = new QAction(tr("&Print This Envelope"), m_context.list);
    print->setObjectName(QStringLiteral("PrintThisEnvelope"));
    connect(print, &QAction::triggered, this, &BookEditFlow::printThisEnvelope);
    m_context.list->addActions({edit, remove, print});
    m_context.list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_findBar = new FindBar(m_context.list);
}

void BookEditFlow::showHistory()
{
    const BookHistory &history = m_context.history;
    const QUndoStack &stack = history.stack();
    //: %1 names what the undo changes back: "Clear Selected (3 addresses)".
    m_undo->setText(stack.canUndo() ? tr("&Undo %1").arg(history.undoText()) : tr("&Undo"));
    m_undo->setEnabled(stack.canUndo());
    m_redo->setText(stack.canRedo() ? tr("&Redo %1").arg(history.redoText()) : tr("&Redo"));
    m_redo->setEnabled(stack.canRedo());
}

void BookEditFlow::undo()
{
    m_context.messages.tell(m_context.history.undo());
}

void BookEditFlow::redo()
{
    m_context.messages.tell(m_context.history.redo());
}

int BookEditFlow::currentRow() const
{
    const QModelIndex current = m_context.list->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void BookEditFlow::moveTo(int row)
{
    const QModelIndex index = m_context.book.model()->index(row);
    m_context.list->setCurrentIndex(index);
    m_context.list->scrollTo(index);
    emit m_context.list->clicked(index);
}

void BookEditFlow::findNext(bool backward)
{
    if (m_findBar->text().isEmpty()) {
        m_findBar->open();
        return;
    }
    const int row = m_finder.find(m_findBar->text(), currentRow(), backward);
    m_findBar->setNotFound(row < 0);
    if (row >= 0)
        moveTo(row);
}

void BookEditFlow::editAddress()
{
    const int row = currentRow();
    if (row < 0)
        return;
    auto *dialog = new EditAddressDialog(m_context.book.model()->text(row), editProblem, m_context.window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &EditAddressDialog::refused, this,
            [this](const QString &why) { m_context.messages.tell(BookMessage::Warning, why); });
    // The entry is followed while the window is open: another copy's save may move it.
    const QPersistentModelIndex entry = m_context.book.model()->index(row);
    connect(dialog, &QDialog::accepted, this, [this, dialog, entry] {
        if (entry.isValid())
            replaceEntry(entry.row(), dialog->entry());
    });
    dialog->open();
}

void BookEditFlow::replaceEntry(int row, const QString &entry)
{
    AddressListModel &list = *m_context.book.model();
    if (list.text(row) == entry)
        return;
    {
        const auto step = m_context.history.step(BookHistory::Command::EditAddress);
        list.removeAt({row});
        m_context.messages.tell(m_context.book.add({entry}));
        m_context.messages.tell(m_context.book.save());
    }
    // The edited entry at its sorted place: after those that compare equal.
    const QStringList texts = list.texts();
    const int at = int(texts.lastIndexOf(entry));
    if (at >= 0)
        moveTo(at);
}

void BookEditFlow::removeAddress()
{
    const int row = currentRow();
    if (row < 0)
        return;
    AddressListModel &list = *m_context.book.model();
    {
        const auto step = m_context.history.step(BookHistory::Command::RemoveAddress);
        list.removeAt({row});
        m_context.messages.tell(m_context.book.save());
    }
    // The entry after it becomes current, without replacing the To box's text.
    if (list.count() > 0)
        m_context.list->setCurrentIndex(list.index(std::min(row, list.count() - 1)));
}

void BookEditFlow::findDuplicates()
{
    AddressListModel &list = *m_context.book.model();
    const QStringList texts = list.texts();
    const QList<QList<int>> groups = duplicateGroups(texts);
    if (groups.isEmpty()) {
        m_context.messages.tell(BookMessage::Information, tr("The address book holds no duplicate addresses."));
        return;
    }
    QList<QPersistentModelIndex> entries;
    entries.reserve(texts.size());
    for (int row = 0; row < texts.size(); ++row)
        entries.append(list.index(row));
    auto *dialog = new DuplicatesDialog(texts, groups, m_context.window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, entries] {
        QList<int> rows;
        for (int row : dialog->ticked()) {
            if (entries[row].isValid())
                rows.append(entries[row].row());
        }
        if (rows.isEmpty())
            return;
        const auto step = m_context.history.step(BookHistory::Command::RemoveDuplicates);
        m_context.book.model()->removeAt(rows);
        m_context.messages.tell(m_context.book.save());
    });
    dialog->open();
}

void BookEditFlow::printThisEnvelope()
{
    const int row = currentRow();
    if (row >= 0)
        m_context.printEntry(m_context.book.model()->text(row));
}
