// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// The ISO 3166 code of a country as files write it: its English name, its
// name in its own languages, its code, or a common short form ("U.S.A.",
// "UK"); empty when it is none of these.
QString countryCode(QStringView country);

// The countries that have a layout of their own, by ISO 3166 code.
QStringList countriesWithLayouts();

// A postal address's lines, laid out as its country lays addresses out:
// "Raleigh, NC 27613-3502" in the United States, "10115 Berlin" in Germany,
// town and postcode on lines of their own in the United Kingdom. A part the
// country's addresses do not carry is left out; an address without a
// country is laid out as `home` lays them out (an ISO 3166 code, the
// user's own territory). The country line comes last, and only when the
// country is not `home`. An address that has only a label gives its lines.
QStringList addressLines(const PostalAddress &address, QStringView home);
