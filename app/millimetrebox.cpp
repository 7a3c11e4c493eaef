// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/millimetrebox.h"

#include "settings/number.h"

namespace {

constexpr int kDecimals = 2;

} // namespace

MillimetreBox::MillimetreBox(double minimum, double maximum, QWidget *parent) : QDoubleSpinBox(parent)
{
    setDecimals(kDecimals);
    setRange(minimum, maximum);
    //: The unit after a length in the envelope set-up, with its space.
    setSuffix(tr(" mm"));
    setLocale(QLocale::system());
    setGroupSeparatorShown(false);
}

QString MillimetreBox::settingText() const
{
    // 'g' with enough digits writes 220 as "220" and 1.5 as "1.5".
    return QString::number(value(), 'g', 10);
}

void MillimetreBox::setSettingText(const QString &text)
{
    setValue(parseNumber(text, {minimum(), maximum()}, locale()).value_or(0));
}

QString MillimetreBox::textFromValue(double value) const
{
    QString text = locale().toString(value, 'f', kDecimals);
    text.remove(locale().groupSeparator());
    const QString point = locale().decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}
