// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/eventpump.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

// The address book file: one record per entry, in list order. A record is
// the entry's text less its leading spaces, "*|||||*", CR LF. Nothing comes
// before the first record or after the last.

inline constexpr QStringView kRecordSeparator = u"*|||||*";

enum class BookEncoding {
    Windows1252, // the 8-bit code page of the books people bring along
    Utf8,        // only for books holding a character Windows-1252 lacks
};

// Whether an entry's record reads back as that one entry: it must not hold
// the separator, nor end in a part of it that would complete one early.
bool canBeStored(QStringView entry);

// The file's bytes for these entries. Windows-1252 whenever every character
// fits and no record's bytes can be mistaken for UTF-8; UTF-8 otherwise, so
// that no character is lost, and when `stayUtf8` (the book was UTF-8
// already). Every entry must pass canBeStored().
struct EncodedBook
{
    QByteArray bytes;
    BookEncoding encoding = BookEncoding::Windows1252;
};
EncodedBook encodeBook(const QStringList &entries, bool stayUtf8 = false);

struct BookContent
{
    QStringList entries;         // normalised, at most the limit asked for
    qsizetype recordsBeyond = 0; // records past the limit, not taken
    bool tailHasText = false;    // text after the last separator, not taken
    BookEncoding encoding = BookEncoding::Windows1252;
};

// Reads a book file's bytes, less a byte-order mark at the start. A record
// that is valid UTF-8 holding bytes past ASCII reads as UTF-8, any other as
// Windows-1252: one stray byte spoils no other record, and none loses a
// byte. The encoding found is UTF-8 when any of it was. Each entry comes
// back normalised: its non-empty lines, each followed by CR LF. `events`
// runs now and then.
BookContent decodeBook(QByteArrayView bytes, qsizetype limit, const ProcessEvents &events = {});

// The text of the bytes, read as decodeBook() reads them, separators and all.
QString decodeBookText(QByteArrayView bytes);

// The bytes as Windows-1252, whatever they look like; every byte has a
// character (the five the code page leaves out stand for themselves).
QString decodeWindows1252(QByteArrayView bytes);

// The entry text as the reader makes it of one record.
QString normaliseRecord(QStringView record);
// An entry as the book file gives it back: leading spaces gone, each
// non-empty line followed by CR LF.
QString asStored(QStringView entry);
