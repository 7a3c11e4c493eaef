// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/desktopshell.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShell::openUrl(const QString &url)
{
    // A bare host ("www.example.org") becomes an http address, as a
    // browser's address bar would make it.
    QDesktopServices::openUrl(QUrl::fromUserInput(url));
}
