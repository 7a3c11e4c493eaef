// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/filedialogs.h"

#include <QPointer>
#include <QWidget>

// QFileDialog, as the desktop shows it, over the given window.
class QtFileDialogs final : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget *parent) : m_parent(parent) {}

    QString openFile(const QString &title, const QString &filters) override;
    QString saveFile(const QString &title, const QString &suggestedName, const QString &filters,
                     QString *chosenFilter) override;

private:
    QPointer<QWidget> m_parent;
};
