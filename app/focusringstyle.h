// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style, with a focused button always drawn as focused.
// Qt's styles show the focus only after the keyboard moved it; a button
// clicked with the mouse, or given the focus back after its operation,
// would then take the next Space without showing that it has the focus.
class FocusRingStyle final : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};
