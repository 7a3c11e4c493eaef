// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/cupsdestinations.h"

#include "platform/logging.h"

#include <cups/cups.h>

namespace {

struct Destinations
{
    explicit Destinations(http_t *http) : count(cupsGetDests2(http, &list)) {}
    ~Destinations() { cupsFreeDests(count, list); }
    Destinations(const Destinations &) = delete;
    Destinations &operator=(const Destinations &) = delete;

    cups_dest_t *list = nullptr;
    int count = 0;
};

} // namespace

QStringList destinationNames(http_t *http)
{
    // cupsGetDests2 is what the desktop's print dialogs list: the queues and
    // what DNS-SD finds within a quarter of a second.
    const Destinations destinations(http);
    QStringList names;
    for (int i = 0; i < destinations.count; ++i) {
        // An lpoptions instance ("queue/instance") is the same printer.
        if (!destinations.list[i].instance)
            names << QString::fromUtf8(destinations.list[i].name);
    }
    return names;
}

bool makeQueueForNetworkPrinter(http_t *http, const QString &name, std::chrono::milliseconds deadline)
{
    const Destinations destinations(http);
    cups_dest_t *dest = cupsGetDest(name.toUtf8().constData(), nullptr, destinations.count, destinations.list);
    // A destination without a printer URI is one found on the network.
    if (!dest || cupsGetOption("printer-uri-supported", dest->num_options, dest->options))
        return false;
    // Connecting to it is what makes libcups ask the server for a queue
    // (CUPS-Create-Local-Printer): the queue is the server's, removed again
    // when it has stood idle for a while.
    char resource[1024];
    http_t *printer = cupsConnectDest(dest, CUPS_DEST_FLAGS_NONE, int(deadline.count()), nullptr, resource,
                                      sizeof resource, nullptr, nullptr);
    const bool made = cupsGetOption("printer-uri-supported", dest->num_options, dest->options) != nullptr;
    if (printer)
        httpClose(printer);
    if (!made)
        qCWarning(lcCups) << "no queue for the network printer" << name << ":" << cupsLastErrorString();
    return made;
}
