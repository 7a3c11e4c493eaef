// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <optional>

// The display-font fields act on the address boxes' fonts.

// The font with the size the field names, or nothing when the text is
// empty, not a number or a size no font takes: the box then keeps its size.
std::optional<QFont> withDisplaySize(const QFont &font, const QString &sizeText);
// The face is used as typed; the platform substitutes what it lacks.
QFont withDisplayFace(const QFont &font, const QString &faceText);
