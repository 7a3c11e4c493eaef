// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The units an envelope is measured in, and how they relate.
inline constexpr double kPointsPerInch = 72.0;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kMillimetresPerCentimetre = 10.0;
inline constexpr double kPointsPerCentimetre = kPointsPerInch / kCentimetresPerInch;
inline constexpr double kPointsPerMillimetre = kPointsPerInch / kMillimetresPerInch;
// What CUPS measures media in.
inline constexpr double kPointsPerHundredthMm = kPointsPerMillimetre / 100.0;
// The resolution every page is drawn at, on paper and on screen alike, as
// Qt's high-resolution printer draws: fonts measure the same on both.
inline constexpr int kPaperDpi = 1200;
inline constexpr double kPixelsPerPoint = kPaperDpi / kPointsPerInch;
