// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/addresstextbox.h"

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
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    m_assigning = false;
    m_text = text;
    emit changed();
}

void AddressTextBox::takeUserEdit()
{
    if (m_assigning)
        return;
    QString typed = toPlainText();
    typed.replace(u'\n', QStringLiteral("\r\n"));
    if (typed == m_text)
        return; // a format-only change, not an edit of the text
    m_text = typed;
    emit changed();
}
