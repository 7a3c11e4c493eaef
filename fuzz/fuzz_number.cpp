// SPDX-License-Identifier: GPL-3.0-or-later
// The number parser in locales with other separators and digits: what it
// accepts is a finite number inside the range, and the locale's own
// writing of that number reads back as the same number. (Qt 6.4 writes a
// negative number under Arabic with a letter mark before the minus that
// it cannot read back itself; nobody types that, so it is left out.)
#include "settings/number.h"

#include <array>
#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::array<QLocale, 6> kLocales{QLocale::c(),
                                                 QLocale(QLocale::English, QLocale::UnitedStates),
                                                 QLocale(QLocale::German, QLocale::Germany),
                                                 QLocale(QLocale::French, QLocale::Switzerland),
                                                 QLocale(QLocale::Arabic, QLocale::Egypt),
                                                 QLocale(QLocale::Hindi, QLocale::India)};
    static const std::array<NumberRange, 2> kRanges{kFontSizeRange, kOffsetRange};
    if (size < 1)
        return 0;
    const QLocale &locale = kLocales[data[0] % kLocales.size()];
    const NumberRange range = kRanges[(data[0] / kLocales.size()) % kRanges.size()];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const std::optional<double> value = parseNumber(text, range, locale);
    if (!value)
        return 0;
    if (!std::isfinite(*value) || *value < range.min || *value > range.max)
        std::abort();
    QLocale writer = locale;
    writer.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString written = writer.toString(*value, 'g', 17);
    if (!written.contains(QChar(0x061C)) && parseNumber(written, range, locale) != value)
        std::abort();
    return 0;
}
