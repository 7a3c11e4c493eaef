// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringView>
#include <optional>

// Field texts stay text; they become numbers only where they are used.
// One parser for all of them: by the user's locale, a leading decimal
// separator allowed (".2"), surrounding spaces ignored, falling back to the
// C locale where the user's locale cannot read the text, so that the stored
// defaults ".2" and ".5" mean the same under a comma locale. Group
// separators, infinities, NaN and values outside [min, max] are refused.
struct NumberRange
{
    double min;
    double max;
};

// Sizes a font can take on screen and on paper, in points.
inline constexpr NumberRange kFontSizeRange{0.5, 1000.0};
// Offsets on an envelope, in centimetres.
inline constexpr NumberRange kOffsetRange{-1000.0, 1000.0};

std::optional<double> parseNumber(QStringView text, NumberRange range, const QLocale &locale = QLocale::system());
