// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"
#include "printing/envelopesize.h"

#include <QSizeF>
#include <QString>

// The printer, tray and size an envelope is laid out for, in one line for
// the preview: names as the set-up shows them; the printer's paper and the
// custom size with the page's own millimetres (`pageMM`, as the envelope
// lies; empty when unknown).
QString setupHeading(const EnvelopeSetup &setup, const PrinterDescription &printer, const QSizeF &pageMM);
