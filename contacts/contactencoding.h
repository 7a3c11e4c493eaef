// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The text of a contacts file: UTF-16 with a byte-order mark (or plainly
// UTF-16, as its zero bytes show), UTF-8 with or without a mark, and
// Windows-1252 for bytes that are not UTF-8.
QString decodeContactText(QByteArrayView bytes);

// The text of bytes that a file says are in `charset` (vCard 2.1's CHARSET).
// Without a charset, or with one this program does not know, the bytes are
// read as decodeContactText() reads a file.
QString decodeCharset(QByteArrayView bytes, QStringView charset);
