// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"

#include <QList>
#include <QStringList>
#include <QStringView>

// A CSV file's records, the header row first.
struct CsvTable
{
    QChar separator = u',';
    QList<QStringList> records;
    QList<int> lines; // the line each record starts at, from 1
    // Where reading stopped on a broken file, 0 when it read to the end.
    int stoppedAt = 0;
    QString problem;
    bool cancelled = false;
    // Fields longer than kLongestValue, kept to their start.
    int cut = 0;
};

// Reads CSV as RFC 4180 has it: fields in double quotes may hold the
// separator, line breaks and doubled quotes. The separator is a comma, a
// semicolon or a tab: whichever the header row holds most of outside quotes
// (a comma among equals), or the one a spreadsheet's "sep=" line names.
// Records may end in CR LF, LF or CR; blank lines are passed over. A quoted
// field that never closes stops the reading at the line where it opens.
// A field longer than kLongestValue is cut to it.
// A cell that starts with "'" before what looks like a formula is read
// without it: the mark that keeps a spreadsheet from running it.
CsvTable readCsv(QStringView text, const ReadProgress &progress = {});

// Whether a spreadsheet would run the cell as a formula (OWASP's list: it
// starts with =, +, -, @, a tab or a carriage return).
bool looksLikeFormula(QStringView cell);
// Whether the cell is one or, after any number of "'", looks like one: a
// writer marks these with one more "'", and the reader takes one off.
bool markedOrFormula(QStringView cell);
