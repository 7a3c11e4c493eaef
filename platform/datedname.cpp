// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/datedname.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

bool taken(const QString &name)
{
    const QFileInfo info(name);
    return info.exists() || info.isSymLink();
}

} // namespace

MadeFile putAtDatedName(const QString &path, QLatin1StringView mark,
                        const std::function<IoResult(const QString &)> &put)
{
    const QString stem = path + mark + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    IoResult done;
    for (int n = 1; n <= 1000; ++n) {
        const QString name = n == 1 ? stem : stem + u'-' + QString::number(n);
        if (taken(name))
            continue;
        done = put(name);
        if (done.ok)
            return {name, {}};
        if (!taken(name))
            break;
    }
    return {{}, done.error};
}
