// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"

#include <QStringView>

// Reads vCard 2.1, 3.0 and 4.0 as programs write them: folded lines,
// quoted-printable values in their charset, escapes, group prefixes,
// parameters with and without names, ADR with parts missing or extra, and
// LABEL as a property (2.1, 3.0) or as ADR's parameter (4.0), an AGENT's
// card (2.1's on the lines that follow, 3.0's as its value). What breaks
// the file's frame (text outside any card, a card cut off by the next one
// or by the end of the file, END:VCARD alone) is skipped with its line,
// and reading goes on.
ContactsRead readVCards(QStringView text, const ReadProgress &progress = {});
