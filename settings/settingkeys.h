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
    TextReturnOffX,
    TextReturnOffY,
    TextAddressToOffX,
    TextAddressToOffY,
    TextImport,
    ComboLine,
    ComboAddress,
    TextLineD,
    TextAddressD,
    TextToAddressPrintFontType,
    TextReturnDisplayFontSite,
    TextReturnDisplayFontType,
    TextReturnPrintFontSize,
    TextToAddressDisplaySize,
    TextToAddressPrintFontSize,
    TextReturnPrintFonttype,
    TextToAddressDisplayType,
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
    {Setting::TextReturnOffX, "TextReturnOffX", "TextReturnOffX", ".2"},
    {Setting::TextReturnOffY, "TextReturnOffY", "TextReturnOffy", ".5"},
    {Setting::TextAddressToOffX, "TextAddressToOffX", "TextAddressToOffX", "4"},
    {Setting::TextAddressToOffY, "TextAddressToOffY", "TextAddressToOffY", "4"},
    {Setting::TextImport, "TextImport", "TextImport", ""},
    {Setting::ComboLine, "ComboLine", "comboline", "[TAB]"},
    {Setting::ComboAddress, "ComboAddress", "comboaddress", "[LINE BREAK]"},
    {Setting::TextLineD, "TextLineD", "TextLineD", ""},
    {Setting::TextAddressD, "TextAddressD", "TextAddressD", ""},
    {Setting::TextToAddressPrintFontType, "TextToAddressPrintFontType", "TextToAddressPrintFontType", kDefaultFontFace},
    {Setting::TextReturnDisplayFontSite, "TextReturnDisplayFontSite", "TextReturnDisplayFontSite", kDefaultFontSize},
    {Setting::TextReturnDisplayFontType, "TextReturnDisplayFontType", "TextReturnDisplayFontType", kDefaultFontFace},
    {Setting::TextReturnPrintFontSize, "TextReturnPrintFontSize", "TextReturnPrintFontSize", kDefaultFontSize},
    {Setting::TextToAddressDisplaySize, "TextToAddressDisplaySize", "TextToAddressDisplaySize", kDefaultFontSize},
    {Setting::TextToAddressPrintFontSize, "TextToAddressPrintFontSize", "TextToAddressPrintFontSize", kDefaultFontSize},
    {Setting::TextReturnPrintFonttype, "TextReturnPrintFonttype", "TextReturnPrintFonttype", kDefaultFontFace},
    {Setting::TextToAddressDisplayType, "TextToAddressDisplayType", "TextToAddressDisplayType", kDefaultFontFace},
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
