// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/messagebox.h"

#include <QPointer>
#include <QWidget>

// Message boxes of the toolkit, over the program's window.
class QtMessageBox final : public MessageBox
{
public:
    void setParentWindow(QWidget *window) { m_parent = window; }

    void information(const QString &text) override;
    void warning(const QString &text) override;
    bool askYesNo(const QString &text) override;
    bool warnAndAsk(const QString &text) override;

private:
    QPointer<QWidget> m_parent;
};
