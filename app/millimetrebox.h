// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDoubleSpinBox>

// A length in millimetres, shown in the user's locale with " mm" after it,
// without trailing zeros. Its setting keeps the number as the C locale
// writes it ("220", "-1.5"), as the stored defaults are.
class MillimetreBox final : public QDoubleSpinBox
{
    Q_OBJECT

public:
    MillimetreBox(double minimum, double maximum, QWidget *parent = nullptr);

    QString settingText() const;
    // A stored text into the box; one that is no number leaves it at 0.
    void setSettingText(const QString &text);

protected:
    QString textFromValue(double value) const override;
};
