// SPDX-License-Identifier: GPL-3.0-or-later
#include "importer/delimiters.h"

#include "addressbook/addresstext.h"

namespace {

// The choice is upper-cased and compared with the upper-cased token, so
// "[tab]" and "-OTHER-" select what "[TAB]" and "-Other-" do.
bool isToken(const QString &upperChoice, QStringView token)
{
    return upperChoice == token.toString().toUpper();
}

} // namespace

QString lineDelimiterFor(QStringView choice, QStringView custom)
{
    const QString upper = choice.toString().toUpper();
    if (isToken(upper, kLineBreakToken))
        return kCrLf.toString();
    if (isToken(upper, kTabToken))
        return QStringLiteral("\t");
    if (isToken(upper, kOtherToken))
        return custom.toString();
    return choice.toString();
}

AddressSplit addressSplitFor(QStringView choice, QStringView custom)
{
    const QString upper = choice.toString().toUpper();
    if (isToken(upper, kBlankLineToken))
        return {AddressMode::BlankLine, QString()};
    if (isToken(upper, kLineBreakToken))
        return {AddressMode::Split, kCrLf.toString()};
    if (isToken(upper, kTabToken))
        return {AddressMode::Split, QStringLiteral("\t")};
    if (isToken(upper, kOtherToken))
        return {AddressMode::Split, custom.toString()};
    return {AddressMode::Split, choice.toString()};
}
