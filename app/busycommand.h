// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

class QAbstractButton;
class QWidget;

// Keeps a button disabled while its own operation runs. Qt moves the
// keyboard focus off a widget it disables, onto the next control; a
// second Space would then press that control. When the button had the
// focus, it gets it back with its enabled state, unless the focus has
// moved on from where Qt put it.
class BusyCommand
{
public:
    explicit BusyCommand(QAbstractButton *button);
    ~BusyCommand();
    BusyCommand(const BusyCommand &) = delete;
    BusyCommand &operator=(const BusyCommand &) = delete;

private:
    QPointer<QAbstractButton> m_button;
    bool m_hadFocus = false;
    QPointer<QWidget> m_focusMovedTo;
};
