// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

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
    {Setting::TextToAddressPrintFontType, "TextToAddressPrintFontType", "TextToAddressPrintFontType", "Verdana"},
    {Setting::TextReturnDisplayFontSite, "TextReturnDisplayFontSite", "TextReturnDisplayFontSite", "12"},
    {Setting::TextReturnDisplayFontType, "TextReturnDisplayFontType", "TextReturnDisplayFontType", "Verdana"},
    {Setting::TextReturnPrintFontSize, "TextReturnPrintFontSize", "TextReturnPrintFontSize", "12"},
    {Setting::TextToAddressDisplaySize, "TextToAddressDisplaySize", "TextToAddressDisplaySize", "12"},
    {Setting::TextToAddressPrintFontSize, "TextToAddressPrintFontSize", "TextToAddressPrintFontSize", "12"},
    {Setting::TextReturnPrintFonttype, "TextReturnPrintFonttype", "TextReturnPrintFonttype", "Verdana"},
    {Setting::TextToAddressDisplayType, "TextToAddressDisplayType", "TextToAddressDisplayType", "Verdana"},
    {Setting::EnvelopeSize, "EnvelopeSize", "EnvelopeSize", "Printer paper"},
    {Setting::EnvelopeWidthMM, "EnvelopeWidthMM", "EnvelopeWidthMM", "220"},
    {Setting::EnvelopeHeightMM, "EnvelopeHeightMM", "EnvelopeHeightMM", "110"},
    {Setting::ShiftXMM, "ShiftXMM", "ShiftXMM", "0"},
    {Setting::ShiftYMM, "ShiftYMM", "ShiftYMM", "0"},
    {Setting::Rotate180, "Rotate180", "Rotate180", "0"},
    {Setting::EnvelopePreviewPlace, "EnvelopePreviewPlace", "EnvelopePreviewPlace", ""},
    {Setting::EnvelopePreviewOpen, "EnvelopePreviewOpen", "EnvelopePreviewOpen", "0"},
}};

constexpr const SettingKey &settingKey(Setting setting)
{
    return kSettingKeys[static_cast<std::size_t>(setting)];
}
