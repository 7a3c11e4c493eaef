// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Where the To Address block starts on an envelope so that it lies in the
// envelope's address zone: its left edge a little left of the middle of
// the width, its top just below the middle of the height, moved back
// inside the printable area where the block would cross its edge. `page`
// and `printable` in points as the envelope lies; `block` the block's size
// in points. The answer is the block's X and Y offsets, in centimetres
// from the printable area's top-left corner, as the window's fields take them.
QPointF toAddressPlace(const QRectF &page, const QRectF &printable, const QSizeF &block);
