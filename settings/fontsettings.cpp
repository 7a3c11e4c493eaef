// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/fontsettings.h"

#include "settings/number.h"

std::optional<QFont> withDisplaySize(const QFont &font, const QString &sizeText)
{
    const std::optional<double> size = parseNumber(sizeText, kFontSizeRange);
    if (!size)
        return std::nullopt;
    QFont result = font;
    result.setPointSizeF(float(*size)); // single precision, as the fields are
    return result;
}

QFont withDisplayFace(const QFont &font, const QString &faceText)
{
    QFont result = font;
    result.setFamilies({faceText});
    return result;
}
