// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QList>

// A label whose text is one line of headings separated by runs of spaces,
// the spaces being what put each heading over its box. The text is kept
// exactly, spaces included; but the desktop's fonts are wider than those
// the window was drawn with, so each heading is drawn at the start of its
// slot, in the label's font narrowed until every heading fits its slot.
class HeadingLabel final : public QLabel
{
    Q_OBJECT

public:
    struct Slot
    {
        int start; // pixels from the label's left edge
        int end;   // the heading must end before this (the next box, say)
    };

    explicit HeadingLabel(const QString &text, QWidget *parent = nullptr);

    // One slot per heading; without slots the whole text is one heading
    // that must fit the label's width.
    void setSlots(const QList<Slot> &slots);
    QList<Slot> headingSlots() const { return m_slots; }
    // The headings as drawn, without the spaces between them.
    QStringList headings() const;
    // The font the headings are drawn in.
    QFont fittedFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<Slot> m_slots;
};
