// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtfilechooser.h"

#include <QFileDialog>

QString QtFileChooser::saveFileName(const QString &caption, const QString &suggested, const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, caption, suggested, filter);
}
