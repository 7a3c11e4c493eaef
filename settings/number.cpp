// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/number.h"

#include <cmath>

namespace {

std::optional<double> strictParse(QStringView text, QLocale locale)
{
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

bool readsAsGroupedNumber(QStringView text, QLocale locale)
{
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    bool ok = false;
    locale.toDouble(text, &ok);
    return ok;
}

} // namespace

std::optional<double> parseNumber(QStringView text, NumberRange range, const QLocale &locale)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    std::optional<double> value = strictParse(trimmed, locale);
    if (!value) {
        // "1.500" under German is a grouped 1500 or a mistyped 1.5: refuse
        // rather than guess. Anything else the C locale may read (".2").
        if (readsAsGroupedNumber(trimmed, locale))
            return std::nullopt;
        value = strictParse(trimmed, QLocale::c());
    }
    if (!value || !std::isfinite(*value) || *value < range.min || *value > range.max)
        return std::nullopt;
    return value;
}
