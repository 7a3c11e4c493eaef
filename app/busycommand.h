// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

class QAbstractButton;
class QWidget;

// Keeps a button disabled while its own operation runs. Qt hands the
// keyboard focus of a widget it disables to the next control in the tab
// chain (after "Print All Selected Address" that is the return address's
// X offset box, its text selected), where keys typed during the operation
// would land. So while the operation runs the window itself holds the
// focus of a button that had it, and keys reach no control; the button
// gets the focus back with its enabled state, unless the user has moved
// the focus on meanwhile.
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
    QPointer<QWidget> m_heldBy;
};
