// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// One category per area. Warnings are on by default, debug output is off;
// QT_LOGGING_RULES="quillon.*.debug=true" switches it on.
Q_DECLARE_LOGGING_CATEGORY(lcCups)     // quillon.cups: the print server and its answers
Q_DECLARE_LOGGING_CATEGORY(lcFiles)    // quillon.files: the book, the settings store, atomic writes
Q_DECLARE_LOGGING_CATEGORY(lcContacts) // quillon.contacts: reading and writing contacts files
Q_DECLARE_LOGGING_CATEGORY(lcPrinting) // quillon.printing: envelopes, Print All, the PDF
