// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/focusringstyle.h"

#include <QStyleOptionButton>

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element == CE_PushButton && button && (button->state & State_HasFocus)) {
        QStyleOptionButton focused = *button;
        focused.state |= State_KeyboardFocusChange;
        QProxyStyle::drawControl(element, &focused, painter, widget);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}
