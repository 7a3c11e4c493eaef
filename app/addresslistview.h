// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

// The address list on the window: one row per entry with its tick box,
// each entry drawn on one line.
class AddressListView final : public QListView
{
    Q_OBJECT

public:
    explicit AddressListView(QWidget *parent = nullptr);

protected:
    // Moving the current entry with the keyboard (arrows, Home/End, Page
    // Up/Down, typing) emits clicked() as a click does, so that a keyboard
    // user recalls an address too. Space only toggles the tick.
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    // With no current entry, each key goes where it says: End to the last
    // entry, Page Down a page below the first, the others to the first.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    // A press anywhere on a row, its tick box included, makes that entry
    // current before clicked() is emitted for it.
    void mousePressEvent(QMouseEvent *event) override;
};
