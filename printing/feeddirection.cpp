// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/feeddirection.h"

#include <QCoreApplication>

QString feedDirection(std::optional<LandscapeTurn> turn, bool turned180)
{
    // Media go in top edge first. A clockwise turn lays the page's left end,
    // where the return address is, along the media's top; a counter-clockwise
    // one its right end. The 180° turn swaps the ends.
    const bool returnEndFirst = (turn.value_or(LandscapeTurn::Clockwise) == LandscapeTurn::Clockwise) != turned180;
    const QString feed = returnEndFirst
        ? QCoreApplication::translate("FeedDirection",
                                      "Feed the envelope short edge first, the return address end leading.")
        : QCoreApplication::translate("FeedDirection", "Feed the envelope short edge first, the stamp end leading.");
    if (!turn)
        return feed + u' '
            + QCoreApplication::translate("FeedDirection",
                                          "This printer does not say which way it turns the page; Quillon takes "
                                          "it as clockwise, as the print service does. Print a test envelope to "
                                          "check.");
    return feed + u' '
        + (*turn == LandscapeTurn::Clockwise
               ? QCoreApplication::translate("FeedDirection", "This printer turns the page a quarter turn clockwise.")
               : QCoreApplication::translate("FeedDirection",
                                             "This printer turns the page a quarter turn counter-clockwise."));
}
