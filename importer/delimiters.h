// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The tokens offered by the two delimiter lists. A choice matches a token
// whatever its letter case; any other text is taken literally.
inline constexpr QStringView kLineBreakToken = u"[LINE BREAK]";
inline constexpr QStringView kBlankLineToken = u"[BLANK LINE]";
inline constexpr QStringView kTabToken = u"[TAB]";
inline constexpr QStringView kOtherToken = u"-Other-";

// How the import text is cut into addresses.
enum class AddressMode {
    // The text is cut at a delimiter into address pieces; each piece is cut
    // into lines by the line delimiter. "[LINE BREAK]" is this at CR LF.
    Split,
    // The text is cut into lines by the line delimiter, and an empty or
    // all-space line ends an address.
    BlankLine,
};

struct AddressSplit
{
    AddressMode mode = AddressMode::Split;
    QString delimiter; // where Split cuts; unused in BlankLine mode
};

// The line delimiter for the text of the line delimiter list; `custom` is
// the "Specify:" text, used for "-Other-". Tokens aside, the choice itself
// is the delimiter, untrimmed and in its own case.
QString lineDelimiterFor(QStringView choice, QStringView custom);

// The splitting chosen by the text of the address delimiter list; `custom`
// is its "Specify:" text, used for "-Other-".
AddressSplit addressSplitFor(QStringView choice, QStringView custom);
