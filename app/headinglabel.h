// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QLabel;

// The heading labels keep their texts exactly, runs of spaces included, and
// the spaces are what put each heading over its box. The desktop's fonts
// are wider than the ones the window was drawn with, so the label's font is
// narrowed until every heading fits before the next, and its word spacing
// set so that the headings start where their places do.
struct HeadingSlot
{
    int start; // pixels from the label's left edge
    int end;   // the heading must end before this (the next box, say)
};
void fitHeadings(QLabel *label, const QList<HeadingSlot> &places);
