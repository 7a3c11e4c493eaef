// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/busycommand.h"

#include <QAbstractButton>

BusyCommand::BusyCommand(QAbstractButton *button)
    : m_button(button),
      m_hadFocus(button->window()->focusWidget() == button)
{
    QWidget *window = button->window();
    // Before it is disabled: a disabled button cannot keep the focus.
    if (m_hadFocus)
        window->setFocus(Qt::OtherFocusReason);
    button->setEnabled(false);
    // The window's own focus widget: it stays put while a message box has
    // the keyboard, so a box shown during the operation is no move.
    m_heldBy = window->focusWidget();
}

BusyCommand::~BusyCommand()
{
    if (!m_button)
        return;
    m_button->setEnabled(true);
    if (m_hadFocus && m_button->window()->focusWidget() == m_heldBy)
        m_button->setFocus(Qt::OtherFocusReason);
}
