// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/icon.h"

QIcon quillonIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/quillon/quillon-%1.png").arg(size), QSize(size, size));
    return icon;
}
