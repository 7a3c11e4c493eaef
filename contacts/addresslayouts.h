// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

// How a country's post wants its addresses written (libaddressinput's
// country records): `fmt` in the country's own script and `lfmt` in Latin
// letters where the two differ, with %N name, %O organisation, %A street
// lines, %D district, %C town, %S region, %Z postal code, %X sorting code
// and %n a line break; `upper` the fields written in capitals; `zip` the
// pattern its postal codes match; `languages` parted by "~".
struct AddressFormat
{
    const char *code;
    const char16_t *name;
    const char16_t *fmt;
    const char16_t *lfmt;
    const char16_t *upper;
    const char16_t *zip;
    const char16_t *languages;
};

// Every country's format, by code; the last one, "ZZ", serves the others.
std::span<const AddressFormat> addressFormats();
// The format for an ISO 3166 code, or ZZ's.
const AddressFormat &addressFormat(QStringView code);

// The lines of the format an address in this country (an ISO 3166 code)
// is written in, parted by %n: the Latin-script one where `latin` and the
// country has one; every part for a country no one knows. A postal code
// the country's format has no place for (Ireland's Eircode) is the
// sender's all the same: it goes on a last line of its own.
QString formatFor(QStringView code, bool latin);
// Whether every letter of the lines is a Latin one.
bool inLatinLetters(const QStringList &lines);

// The countries that have a format of their own, by ISO 3166 code.
QStringList countriesWithLayouts();

// The country an address is in, by ISO 3166 code: its country's name, or
// Apple's code (X-ABADR) when it names none, or `home` when it has neither.
// Empty for a country no one knows.
QString addressCountry(const PostalAddress &address, QStringView home);

// An envelope's lines as the address's country writes them: the name and
// organisation where its format puts them (either may be empty), the
// street, town, region and postal code in its order, in capitals where it
// wants them, in its own script's order or the Latin one as the address is
// written; a region the same as the town once. Abroad (not `home`, an ISO
// 3166 code) the country's English name in capitals comes last. An address
// that has only a label gives its lines after the name and organisation.
QStringList envelopeLines(const QString &name, const QString &organisation, const PostalAddress &address,
                          QStringView home);
// The same lines without name and organisation.
QStringList addressLines(const PostalAddress &address, QStringView home);

// The country whose postal codes the address's does not look like (its
// ISO 3166 code), or empty when it fits or its country has no pattern.
QString postalCodeMisfit(const PostalAddress &address, QStringView home);
