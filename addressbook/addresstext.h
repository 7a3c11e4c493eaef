// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Address texts: lines separated by CR LF. The splitting and trimming
// rules here are shared by the book file's reader and the importer.

inline constexpr QStringView kCrLf = u"\r\n";

// Pieces of `text` between exact, case-sensitive, non-overlapping
// occurrences of `delimiter`, scanned left to right: n occurrences give
// n + 1 pieces, empty ones included. An empty text gives no pieces; an
// empty delimiter gives the whole text as one piece. The pieces view
// `text`, which must outlive them. Linear in the text's length, however
// long the delimiter.
QList<QStringView> splitAt(QStringView text, QStringView delimiter);

// Removes leading and trailing spaces (U+0020) only; TAB, CR and LF stay.
QStringView trimSpaces(QStringView text);

// The text with each CR LF pair as LF alone, in one pass however many
// there are (QString::replace moves the rest of the text again for every
// few thousand).
QString withLfLineBreaks(QStringView text);
