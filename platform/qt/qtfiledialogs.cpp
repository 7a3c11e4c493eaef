// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtfiledialogs.h"

#include <QFileDialog>

QString QtFileDialogs::openFile(const QString &title, const QString &filters)
{
    return QFileDialog::getOpenFileName(m_parent, title, QString(), filters);
}

QString QtFileDialogs::saveFile(const QString &title, const QString &suggestedName, const QString &filters,
                                QString *chosenFilter)
{
    return QFileDialog::getSaveFileName(m_parent, title, suggestedName, filters, chosenFilter);
}
