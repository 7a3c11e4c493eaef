// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <chrono>

typedef struct _http_s http_t;

// The printers the desktop's own print dialogs offer: the print server's
// queues, and the driverless printers it lists from the network without a
// queue (temporary destinations), which it makes a queue for on first use.

// Their names, as libcups lists them over `http` (a connection to the print
// server) after looking on the network for a moment; empty when it could
// not ask.
QStringList destinationNames(http_t *http);

// Has the print server make its own queue for `name`, a printer it lists
// from the network, so that it can be asked and printed to by that name;
// false when the server lists no such printer or could not make the queue
// within `deadline`.
bool makeQueueForNetworkPrinter(http_t *http, const QString &name, std::chrono::milliseconds deadline);
