// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Modal message boxes, always titled with the application's title "Quillon".
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    // OK button, no icon: the program's fixed messages ("Complete", About...).
    virtual void information(const QString &text) = 0;
    // OK button with a warning icon: what went wrong and what was kept.
    virtual void warning(const QString &text) = 0;
    // Yes and No buttons, no icon; true when the user answered Yes. The
    // questions asked are about wiping something out, so No is the default
    // button: an Enter pressed out of habit changes nothing.
    virtual bool askYesNo(const QString &text) = 0;
    // Yes and No buttons with a warning icon, Yes the default: what went
    // wrong, and the way on that Yes takes. True when the user answered Yes.
    virtual bool warnAndAsk(const QString &text) = 0;
};

inline constexpr char16_t kApplicationTitle[] = u"Quillon";
