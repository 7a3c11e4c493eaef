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
// Removes leading spaces (U+0020) only, as the book's writer does.
QStringView withoutLeadingSpaces(QStringView text);

// The text with each CR LF pair as LF alone (as widgets keep line breaks),
// in one pass however many there are (QString::replace moves the rest of
// the text again for every few thousand).
QString withLfLineBreaks(QStringView text);
// A text box's text as its user gave it: each of what a text document
// takes as a line break (LF, a CR of its own, the paragraph and line
// separators) as CR LF, and a no-break space as a plain one, as
// QTextDocument::toPlainText() gives it. In one pass: a box may hold
// megabytes.
QString typedText(QStringView documentText);
