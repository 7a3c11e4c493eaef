// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/filechooser.h"

#include <QPointer>
#include <QWidget>

// The toolkit's file dialogs, which are the desktop's own where it has
// them, over the program's window.
class QtFileChooser final : public FileChooser
{
public:
    void setParentWindow(QWidget *window) { m_parent = window; }

    QString saveFileName(const QString &caption, const QString &suggested, const QString &filter) override;

private:
    QPointer<QWidget> m_parent;
};
