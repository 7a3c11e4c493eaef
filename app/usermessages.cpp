// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/usermessages.h"

#include "platform/messagebox.h"

#include <utility>

void UserMessages::tell(BookMessage::Kind kind, const QString &text)
{
    if (m_holding || !m_held.isEmpty()) {
        m_held.append({kind, text});
        return;
    }
    if (kind == BookMessage::Warning)
        m_boxes.warning(text);
    else
        m_boxes.information(text);
}

void UserMessages::tell(const BookResult &result)
{
    for (const BookMessage &message : result.messages)
        tell(message.kind, message.text);
}

void UserMessages::showHeld()
{
    if (m_holding)
        return;
    const QList<BookMessage> held = std::exchange(m_held, {});
    for (const BookMessage &message : held)
        tell(message.kind, message.text);
}
