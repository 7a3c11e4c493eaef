// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/addressplace.h"

#include "printing/units.h"

#include <algorithm>
#include <cmath>

namespace {

// The zone's corner as shares of the envelope's width and height, and the
// gap below the middle in millimetres.
constexpr double kLeftShare = 0.45;
constexpr double kTopShare = 0.5;
constexpr double kBelowMiddleMM = 5;

// `start` moved so that [start, start + length] lies within [low, high] as
// far as it fits; a block longer than the room starts at `low`.
double within(double start, double length, double low, double high)
{
    return std::max(low, std::min(start, high - length));
}

} // namespace

QPointF toAddressPlace(const QRectF &page, const QRectF &printable, const QSizeF &block)
{
    const double left = page.left() + page.width() * kLeftShare;
    const double top = page.top() + page.height() * kTopShare + kBelowMiddleMM * kPointsPerMillimetre;
    const QPointF corner(within(left, block.width(), printable.left(), printable.right()),
                         within(top, block.height(), printable.top(), printable.bottom()));
    // To a tenth of a millimetre, as a user would type it.
    const QPointF offset = (corner - printable.topLeft()) / kPointsPerCentimetre;
    return {std::round(offset.x() * 100) / 100, std::round(offset.y() * 100) / 100};
}
