// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/busycommand.h"

#include <QAbstractButton>

BusyCommand::BusyCommand(QAbstractButton *button)
    : m_button(button),
      m_hadFocus(button->window()->focusWidget() == button)
{
    button->setEnabled(false);
    // The window's own focus widget: it stays put while a message box has
    // the keyboard, so a box shown during the operation is no move.
    m_focusMovedTo = button->window()->focusWidget();
}

BusyCommand::~BusyCommand()
{
    if (!m_button)
        return;
    m_button->setEnabled(true);
    if (m_hadFocus && m_button->window()->focusWidget() == m_focusMovedTo)
        m_button->setFocus(Qt::OtherFocusReason);
}
