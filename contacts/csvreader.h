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
};

// Reads CSV as RFC 4180 has it: fields in double quotes may hold the
// separator, line breaks and doubled quotes. The separator is a comma, a
// semicolon or a tab: whichever the header row holds most of outside quotes
// (a comma among equals), or the one a spreadsheet's "sep=" line names.
// Records may end in CR LF, LF or CR; blank lines are passed over. A quoted
// field that never closes stops the reading at the line where it opens.
CsvTable readCsv(QStringView text, const ReadProgress &progress = {});
