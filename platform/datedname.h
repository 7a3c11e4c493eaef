// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/atomicfile.h"

#include <QLatin1StringView>
#include <QString>

#include <functional>

// Puts something beside `path` under a name that nothing holds yet:
// <path><mark><date and time>, with -2, -3, ... after it when that name is
// taken (two starts within one second). `put` makes it at the name it is
// given; a name taken between the look and `put` is passed over. Returns
// the name used, or `put`'s error when it failed for another reason.
MadeFile putAtDatedName(const QString &path, QLatin1StringView mark,
                        const std::function<IoResult(const QString &)> &put);
