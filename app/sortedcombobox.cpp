// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sortedcombobox.h"

#include "settings/settingsstore.h"

#include <QCollator>
#include <QLineEdit>
#include <QSignalBlocker>

SortedComboBox::SortedComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // no completing "-" into "-Other-"
    setMaxVisibleItems(10);
    // The stored text comes back whole: as long as the store keeps.
    lineEdit()->setMaxLength(kLongestLine);
}

void SortedComboBox::AddItem(const QString &item)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    int row = 0;
    while (row < count() && collator.compare(itemText(row), item) <= 0)
        ++row;

    const QString kept = currentText();
    {
        // Adding to an empty list would make the first item current and
        // replace the text; the box's text is not the list's business.
        const QSignalBlocker blocker(this);
        const QSignalBlocker editBlocker(lineEdit());
        insertItem(row, item);
        setCurrentIndex(-1);
        setEditText(kept);
    }
}

void SortedComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    emit lostFocus();
}
