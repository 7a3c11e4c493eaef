// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The ISO 3166 code of a country as files write it: its code, its English
// name, its name in the user's language or in any language a country of
// the world speaks ("Deutschland", "Allemagne", "Germania"), or a common
// short form ("U.S.A.", "UK"); empty when it is none of these. Letter
// case, full stops and a leading "the" do not count.
QString countryCode(QStringView country);
