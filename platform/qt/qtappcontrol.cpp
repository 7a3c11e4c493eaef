// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtappcontrol.h"

#include <QCoreApplication>

void QtAppControl::quit()
{
    QCoreApplication::exit(0);
}
