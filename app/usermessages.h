// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/addressbooksession.h"

#include <QList>

class MessageBox;

// The window's one way to tell the user what a command has to say: a box
// now, or held while the start-up runs until the window is on screen, so
// that no box of the start-up stands alone. Held ones keep their order.
class UserMessages
{
public:
    explicit UserMessages(MessageBox &boxes) : m_boxes(boxes) {}

    void tell(BookMessage::Kind kind, const QString &text);
    void tell(const BookResult &result);
    // While holding, every message waits for showHeld().
    void setHolding(bool holding) { m_holding = holding; }
    // Shows what waits, unless still holding.
    void showHeld();

private:
    MessageBox &m_boxes;
    bool m_holding = false;
    QList<BookMessage> m_held;
};
