// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/addresstextbox.h"

#include "addressbook/addresstext.h"

AddressTextBox::AddressTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(this, &QPlainTextEdit::textChanged, this, &AddressTextBox::takeUserEdit);
}

void AddressTextBox::setText(const QString &text)
{
    m_assigning = true;
    // The widget keeps lines its own way; the field keeps the assigned text.
    setPlainText(crLfToLf(text));
    m_assigning = false;
    m_text = text;
    emit changed();
}

void AddressTextBox::takeUserEdit()
{
    if (m_assigning)
        return;
    const QString typed = lfToCrLf(toPlainText());
    if (typed == m_text)
        return; // a format-only change, not an edit of the text
    m_text = typed;
    emit changed();
}
