// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/feeddirection.h"

#include <QCoreApplication>

namespace {

// The envelope's front as it is addressed, lying landscape: return address
// top left, stamp top right. Going in, it lies portrait with the leading
// short edge at the top of the picture.
FeedCorner mirrored(FeedCorner corner)
{
    switch (corner) {
    case FeedCorner::TopLeft: return FeedCorner::TopRight;
    case FeedCorner::TopRight: return FeedCorner::TopLeft;
    case FeedCorner::BottomLeft: return FeedCorner::BottomRight;
    case FeedCorner::BottomRight: return FeedCorner::BottomLeft;
    }
    return corner;
}

} // namespace

FeedLayout feedLayout(std::optional<LandscapeTurn> turn, bool turned180, EnvelopeFace face)
{
    // Media go in top edge first. A clockwise turn lays the page's left end,
    // where the return address is, along the media's top; a counter-clockwise
    // one its right end. The 180° turn swaps the ends.
    FeedLayout feed;
    feed.turnAssumed = !turn;
    feed.returnEndLeads = (turn.value_or(LandscapeTurn::Clockwise) == LandscapeTurn::Clockwise) != turned180;
    feed.addressSideUp = face == EnvelopeFace::Up;
    // The front turned a quarter so that its leading end is on top: the
    // return address end leading puts the front's top edge on the right.
    if (feed.returnEndLeads) {
        feed.returnAddress = FeedCorner::TopRight;
        feed.stamp = FeedCorner::BottomRight;
    } else {
        feed.returnAddress = FeedCorner::BottomLeft;
        feed.stamp = FeedCorner::TopLeft;
    }
    // Printed on the side facing down, the front is seen through the
    // envelope from above: left and right swap, the leading edge stays.
    if (!feed.addressSideUp) {
        feed.returnAddress = mirrored(feed.returnAddress);
        feed.stamp = mirrored(feed.stamp);
    }
    return feed;
}

QString feedDirection(const FeedLayout &feed, std::optional<LandscapeTurn> turn)
{
    QString text = feed.returnEndLeads
        ? QCoreApplication::translate("FeedDirection",
                                      "Feed the envelope short edge first, the return address end leading.")
        : QCoreApplication::translate("FeedDirection", "Feed the envelope short edge first, the stamp end leading.");
    text += u' ';
    text += feed.addressSideUp ? QCoreApplication::translate("FeedDirection", "The side to be addressed faces up.")
                               : QCoreApplication::translate("FeedDirection", "The side to be addressed faces down.");
    text += u' ';
    if (!turn)
        return text
            + QCoreApplication::translate("FeedDirection",
                                          "This printer does not say which way it turns the page; Quillon takes "
                                          "it as clockwise, as the print service does. Print a test envelope to "
                                          "check.");
    return text
        + (*turn == LandscapeTurn::Clockwise
               ? QCoreApplication::translate("FeedDirection", "This printer turns the page a quarter turn clockwise.")
               : QCoreApplication::translate("FeedDirection",
                                             "This printer turns the page a quarter turn counter-clockwise."));
}

QStringList faceCheck(EnvelopeFace face)
{
    if (face == EnvelopeFace::Up)
        return {QCoreApplication::translate("FeedDirection", "Set up for envelopes going in face up."),
                QCoreApplication::translate("FeedDirection",
                                            "If this print is on the side that faced down, "
                                            "choose \"Envelopes go in face down\".")};
    return {QCoreApplication::translate("FeedDirection", "Set up for envelopes going in face down."),
            QCoreApplication::translate("FeedDirection",
                                        "If this print is on the side that faced up, "
                                        "choose \"Envelopes go in face up\".")};
}
