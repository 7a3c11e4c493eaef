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
    PrintAllOneJob, // "1": Print All sends one job of every ticked address
    // What the columns of a contacts CSV with unknown headers hold.
    ContactColumns,
    // The printer, its tray and paper type, and every printer's set-up.
    EnvelopePrinter,
    EnvelopeTray,
    EnvelopePaperType,
    EnvelopeFace,   // "up" or "down": the side of the envelope the printer prints on as it lies in the tray
    EnvelopeSetups, // last: the set-up's fields above are restored before it is read
};

// The eight font fields' start-up defaults, and what "Default Font
// Settings" puts back.
inline constexpr char kDefaultFontFace[] = "Verdana";
inline constexpr char kDefaultFontSize[] = "12";

struct SettingKey
{
    Setting setting;
    // The key its change reaction writes and start-up reads. The store
    // matches keys without regard to case, so the keys older versions read
    // in another case ("TextReturnOffy", "comboline") are the same key.
    const char *key;
    const char *defaultValue;
};

// The one table that start-up and the writing reactions share.
inline constexpr std::array<SettingKey, 34> kSettingKeys{{
    {Setting::ReturnAddress, "ReturnAddress", ""},
    {Setting::ToAddress, "ToAddress", ""},
    {Setting::ReturnOffsetX, "TextReturnOffX", ".2"},
    {Setting::ReturnOffsetY, "TextReturnOffY", ".5"},
    {Setting::ToAddressOffsetX, "TextAddressToOffX", "4"},
    {Setting::ToAddressOffsetY, "TextAddressToOffY", "4"},
    {Setting::ImportText, "TextImport", ""},
    {Setting::LineDelimiter, "ComboLine", "[TAB]"},
    {Setting::AddressDelimiter, "ComboAddress", "[LINE BREAK]"},
    {Setting::CustomLineDelimiter, "TextLineD", ""},
    {Setting::CustomAddressDelimiter, "TextAddressD", ""},
    {Setting::ToAddressPrintFont, "TextToAddressPrintFontType", kDefaultFontFace},
    {Setting::ReturnDisplayFontSize, "TextReturnDisplayFontSite", kDefaultFontSize},
    {Setting::ReturnDisplayFont, "TextReturnDisplayFontType", kDefaultFontFace},
    {Setting::ReturnPrintFontSize, "TextReturnPrintFontSize", kDefaultFontSize},
    {Setting::ToAddressDisplayFontSize, "TextToAddressDisplaySize", kDefaultFontSize},
    {Setting::ToAddressPrintFontSize, "TextToAddressPrintFontSize", kDefaultFontSize},
    {Setting::ReturnPrintFont, "TextReturnPrintFonttype", kDefaultFontFace},
    {Setting::ToAddressDisplayFont, "TextToAddressDisplayType", kDefaultFontFace},
    {Setting::EnvelopeSize, "EnvelopeSize", "Printer paper"},
    {Setting::EnvelopeWidthMM, "EnvelopeWidthMM", "220"},
    {Setting::EnvelopeHeightMM, "EnvelopeHeightMM", "110"},
    {Setting::ShiftXMM, "ShiftXMM", "0"},
    {Setting::ShiftYMM, "ShiftYMM", "0"},
    {Setting::Rotate180, "Rotate180", "0"},
    {Setting::EnvelopePreviewPlace, "EnvelopePreviewPlace", ""},
    {Setting::EnvelopePreviewOpen, "EnvelopePreviewOpen", "0"},
    {Setting::PrintAllOneJob, "PrintAllOneJob", "0"},
    {Setting::ContactColumns, "ContactColumns", ""},
    {Setting::EnvelopePrinter, "EnvelopePrinter", ""},
    {Setting::EnvelopeTray, "EnvelopeTray", ""},
    {Setting::EnvelopePaperType, "EnvelopePaperType", ""},
    {Setting::EnvelopeFace, "EnvelopeFace", "up"},
    {Setting::EnvelopeSetups, "EnvelopeSetups", ""},
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
