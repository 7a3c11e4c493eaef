// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "importer/delimiters.h"
#include "platform/eventpump.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// Reads the current line delimiter. Called afresh for every address piece,
// so a change of the choice made while events run applies to the pieces
// still to come.
using LineDelimiterSource = std::function<QString()>;
// Asked after every event run; true ends the parse where it stands.
using StopRequested = std::function<bool()>;

enum class ImportStatus {
    Done,
    NothingToImport, // the text is empty or only spaces
    Stopped,         // `stop` answered true; the addresses are incomplete
};

struct ImportResult
{
    ImportStatus status = ImportStatus::Done;
    // Finished address texts in text order: every line trimmed of spaces
    // and followed by CR LF.
    QStringList addresses;
};

// Cuts pasted text into address texts. `processEvents` runs before every
// address piece and every line piece (the caller may throttle it).
ImportResult parseImport(QStringView text, const LineDelimiterSource &lineDelimiter, const AddressSplit &split,
                         const ProcessEvents &processEvents = {}, const StopRequested &stop = {});
