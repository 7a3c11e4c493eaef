// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"

#include <QString>

#include <optional>

// Which way round the envelope goes into the printer, in one sentence for
// the envelope set-up: the printer's own turn of the landscape page onto its
// media, and the set-up's 180° turn. A printer that does not say how it
// turns the page is taken to turn it clockwise, as CUPS does then.
QString feedDirection(std::optional<LandscapeTurn> turn, bool turned180);
