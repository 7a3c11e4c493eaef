// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>

// Where every persisted field lives in the settings store.
inline constexpr char kSettingsApplication[] = "Quillon 2.1 Tarvik";
inline constexpr char kSettingsSection[] = "Settings";

// The persisted fields, in the order start-up reads them.
enum class Setting {
    ReturnAddress,
    ToAddress,
    ReturnOffsetX,
    ReturnOffsetY,
    ToAddressOffsetX,
    ToAddressOffsetY,
    ImportText,
    LineDelimiter,
    AddressDelimiter,
    CustomLineDelimiter,
    CustomAddressDelimiter,
    ToAddressPrintFont,
    ReturnDisplayFontSize,
    ReturnDisplayFont,
    ReturnPrintFontSize,
    ToAddressDisplayFontSize,
    ToAddressPrintFontSize,
    ReturnPrintFont,
    ToAddressDisplayFont,
    // The envelope set-up and the preview window.
    EnvelopeSize,
    EnvelopeWidthMM,
    EnvelopeHeightMM,
    ShiftXMM,
    ShiftYMM,
    Rotate180,
    EnvelopePreviewPlace, // before the window opens, which would store its first place
    EnvelopePreviewOpen,
};

// The eight font fields' start-up defaults, and what "Default Font
// Settings" puts back.
inline constexpr char kDefaultFontFace[] = "Verdana";
inline constexpr char kDefaultFontSize[] = "12";

struct SettingKey
{
    Setting setting;
    const char *writtenAs; // the key its change reaction writes
    const char *readAs;    // the key start-up asks for (the store ignores case)
    const char *defaultValue;
};

// The one table that start-up and the writing reactions share.
inline constexpr std::array<SettingKey, 27> kSettingKeys{{
    {Setting::ReturnAddress, "ReturnAddress", "ReturnAddress", ""},
    {Setting::ToAddress, "ToAddress", "ToAddress", ""},
    {Setting::ReturnOffsetX, "TextReturnOffX", "TextReturnOffX", ".2"},
    {Setting::ReturnOffsetY, "TextReturnOffY", "TextReturnOffy", ".5"},
    {Setting::ToAddressOffsetX, "TextAddressToOffX", "TextAddressToOffX", "4"},
    {Setting::ToAddressOffsetY, "TextAddressToOffY", "TextAddressToOffY", "4"},
    {Setting::ImportText, "TextImport", "TextImport", ""},
    {Setting::LineDelimiter, "ComboLine", "comboline", "[TAB]"},
    {Setting::AddressDelimiter, "ComboAddress", "comboaddress", "[LINE BREAK]"},
    {Setting::CustomLineDelimiter, "TextLineD", "TextLineD", ""},
    {Setting::CustomAddressDelimiter, "TextAddressD", "TextAddressD", ""},
    {Setting::ToAddressPrintFont, "TextToAddressPrintFontType", "TextToAddressPrintFontType", kDefaultFontFace},
    {Setting::ReturnDisplayFontSize, "TextReturnDisplayFontSite", "TextReturnDisplayFontSite", kDefaultFontSize},
    {Setting::ReturnDisplayFont, "TextReturnDisplayFontType", "TextReturnDisplayFontType", kDefaultFontFace},
    {Setting::ReturnPrintFontSize, "TextReturnPrintFontSize", "TextReturnPrintFontSize", kDefaultFontSize},
    {Setting::ToAddressDisplayFontSize, "TextToAddressDisplaySize", "TextToAddressDisplaySize", kDefaultFontSize},
    {Setting::ToAddressPrintFontSize, "TextToAddressPrintFontSize", "TextToAddressPrintFontSize", kDefaultFontSize},
    {Setting::ReturnPrintFont, "TextReturnPrintFonttype", "TextReturnPrintFonttype", kDefaultFontFace},
    {Setting::ToAddressDisplayFont, "TextToAddressDisplayType", "TextToAddressDisplayType", kDefaultFontFace},
    {Setting::EnvelopeSize, "EnvelopeSize", "EnvelopeSize", "Printer paper"},
    {Setting::EnvelopeWidthMM, "EnvelopeWidthMM", "EnvelopeWidthMM", "220"},
    {Setting::EnvelopeHeightMM, "EnvelopeHeightMM", "EnvelopeHeightMM", "110"},
    {Setting::ShiftXMM, "ShiftXMM", "ShiftXMM", "0"},
    {Setting::ShiftYMM, "ShiftYMM", "ShiftYMM", "0"},
    {Setting::Rotate180, "Rotate180", "Rotate180", "0"},
    {Setting::EnvelopePreviewPlace, "EnvelopePreviewPlace", "EnvelopePreviewPlace", ""},
    {Setting::EnvelopePreviewOpen, "EnvelopePreviewOpen", "EnvelopePreviewOpen", "0"},
}};

// settingKey() looks a setting up by its enumerator's value.
constexpr bool inEnumeratorOrder()
{
    for (std::size_t i = 0; i < kSettingKeys.size(); ++i)
        if (static_cast<std::size_t>(kSettingKeys[i].setting) != i)
            return false;
    return true;
}
static_assert(inEnumeratorOrder(), "kSettingKeys must list the settings in the order of enum Setting");

constexpr const SettingKey &settingKey(Setting setting)
{
    return kSettingKeys[static_cast<std::size_t>(setting)];
}
