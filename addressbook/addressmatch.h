// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// How entries are compared when the user looks for one, or for copies of one.

// The text as Find compares it: lower case, accents dropped ("Émile" and
// "emile" match); line breaks stay, so a match never spans two lines.
QString foldedForFind(QStringView text);

// The text as duplicates are told apart: lower case, letters and digits
// only, so case, spaces, punctuation and line breaks do not count.
QString duplicateKey(QStringView entry);

// Groups of positions whose entries have the same duplicateKey(), each
// group in list order and the groups in the order of their first entry;
// entries without a copy are in no group.
QList<QList<int>> duplicateGroups(const QStringList &entries);

// Positions in `entries` of one occurrence of each text in `wanted` (the
// first ones still unclaimed), in list order; texts not there are skipped.
QList<int> rowsOfTexts(const QStringList &entries, const QStringList &wanted);
