// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QStringList>

// The test envelope's drawing, in points from the top-left corner of the
// printable area: its outline, a millimetre scale along its top and left
// edges (a tick every millimetre, longer every 5 and 10, numbered every 10)
// a small cross at each of `origins`, and the lines of `note` one below the
// other near the bottom left.
PageMarks testEnvelopeMarks(const QSizeF &printable, const QList<QPointF> &origins, const QStringList &note = {});
