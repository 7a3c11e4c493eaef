// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"
#include "printing/envelopesize.h"

#include <QString>
#include <QStringList>

#include <optional>

// A corner of the envelope as the feed picture shows it: seen from above,
// the printer beyond its top edge, the envelope going in top edge first.
enum class FeedCorner { TopLeft, TopRight, BottomLeft, BottomRight };

// How the envelope goes into the printer: the short edge that leads, the
// side that faces up, and where the stamp corner and the return address
// lie in the picture. When the address side faces down they lie beneath.
struct FeedLayout
{
    bool returnEndLeads = true;
    bool addressSideUp = true;
    FeedCorner stamp = FeedCorner::BottomRight;
    FeedCorner returnAddress = FeedCorner::TopRight;
    bool turnAssumed = false; // the printer does not say how it turns the page

    bool operator==(const FeedLayout &) const = default;
};

// The feed for the printer's own turn of the landscape page onto its
// media, the set-up's 180° turn and the side the printer prints on. A
// printer that does not say how it turns the page is taken to turn it
// clockwise, as CUPS does then.
FeedLayout feedLayout(std::optional<LandscapeTurn> turn, bool turned180, EnvelopeFace face);

// The same in sentences, for the envelope set-up.
QString feedDirection(const FeedLayout &feed, std::optional<LandscapeTurn> turn);

// What the test envelope prints, a line each, to tell which side the
// set-up takes as the printed one, and what to change when it was the other.
QStringList faceCheck(EnvelopeFace face);
