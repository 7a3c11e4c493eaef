// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/envelopesize.h"
#include "settings/settingkeys.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

// The envelope set-up of every printer chosen so far, as the settings store
// keeps it under one key: one line per printer, its fields separated by
// tabs and percent-encoded (so that any queue name and any text fits on
// its line), after the format's version: "1", printer, size, width, height,
// shift X, shift Y, turned ("0" or "1"), tray, paper type. Version "2" adds
// the side the printer prints on ("up" or "down") as an eleventh field; it
// is written only for "down", so that a printer printing face up keeps the
// line older versions read, and every line of version "1" is written back as
// it was.
struct PrinterSetups
{
    // By the printer's choice in the set-up: its queue, or empty for the
    // system's default printer. The set-ups' own `printer` is that key.
    QMap<QString, EnvelopeSetup> byPrinter;
    // Lines that could not be read (damaged, or of a later version): set
    // aside as they were, unused, and written back unchanged.
    QStringList unreadable;

    bool operator==(const PrinterSetups &) const = default;
};

PrinterSetups readPrinterSetups(const QString &stored);
QString writePrinterSetups(const PrinterSetups &setups);

// The fields of the set-up that each printer keeps for itself, with their
// texts in `setup` as the settings store keeps them.
std::array<std::pair<Setting, QString>, 9> perPrinterFields(const EnvelopeSetup &setup);
bool keptPerPrinter(Setting setting);

// The side the printer prints on as the settings store keeps it, and back;
// any other text is the usual "up".
QString faceText(EnvelopeFace face);
EnvelopeFace faceOf(QStringView text);
