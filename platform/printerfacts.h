// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QByteArrayView>
#include <QMarginsF>
#include <QSizeF>

#include <optional>

// What a printer's description (PPD) says that its print server does not
// report over IPP: the way it turns a landscape page, and the unprintable
// edges of a custom size.
struct PpdFacts
{
    std::optional<LandscapeTurn> turn;        // *LandscapeOrientation; nothing when absent or "Any"
    std::optional<QMarginsF> hardwareMargins; // *HWMargins, in points, portrait: left, top, right, bottom
};
PpdFacts readPpd(QByteArrayView ppd);

// The turn of IPP's landscape-orientation-requested-preferred value:
// landscape (4) turns the page counter-clockwise, reverse-landscape (5)
// clockwise; nothing for any other value.
std::optional<LandscapeTurn> turnOfIppOrientation(int orientation);

// The unprintable edges of portrait media (left, top, right, bottom) as a
// landscape page lies on it once the printer has turned it.
QMarginsF landscapeEdges(const QMarginsF &portrait, LandscapeTurn turn);

// The custom sizes a printer takes, portrait, and their unprintable edges.
struct CustomSizes
{
    QSizeF smallest; // millimetres, short edge first
    QSizeF largest;
    QMarginsF edges; // points, portrait

    // True when the portrait size `mm` lies within the range.
    bool take(const QSizeF &mm) const;
};
