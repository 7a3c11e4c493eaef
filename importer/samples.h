// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// The two texts the File menu loads into the importer, with the delimiter
// choices that import each of them into the same four addresses. Lines end
// in CR LF; some end in a space that the import trims away.
struct ImporterSample
{
    QStringView text;
    QStringView lineChoice;
    QStringView addressChoice;
};

// One address line per text line, an empty text line between addresses.
inline constexpr ImporterSample kSample1{
    u"Tony Doe\r\n"
    u"1234 Great Street\r\n"
    u"CityName, CA 97777 \r\n"
    u"\r\n"
    u"Larry Doe\r\n"
    u"789 Good RD.\r\n"
    u"Suit 777\r\n"
    u"SomeCity, CA 97777 \r\n"
    u"\r\n"
    u"Randy Doe\r\n"
    u"777 Anyroad RD\r\n"
    u"SomeTown, CA 97777\r\n"
    u"\r\n"
    u"Lilly Doe\r\n"
    u"P.O. Box 777\r\n"
    u"Anycity, CA 97777\r\n",
    u"[LINE BREAK]",
    u"[BLANK LINE]",
};

// One address per text line, its lines separated by "|".
inline constexpr ImporterSample kSample2{
    u"Tony Doe|1234 Great Street|CityName, CA 97777 \r\n"
    u"Larry Doe|789 Good RD.|Suit 777|SomeCity, CA 97777\r\n"
    u"Randy Doe|777 Anyroad RD|SomeTown, CA 97777\r\n"
    u"Lilly Doe|P.O. Box 777|Anycity, CA 97777\r\n",
    u"|",
    u"[LINE BREAK]",
};

static_assert(kSample1.text.size() == 203);
static_assert(kSample2.text.size() == 187);
