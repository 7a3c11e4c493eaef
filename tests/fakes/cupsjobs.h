// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cups/cups.h>

#include <algorithm>

// The newest job the print server at `server` (a CUPS_SERVER value) holds,
// finished ones included; 0 when it holds none or there is no server.
inline int newestJob(const QByteArray &server)
{
    if (server.isEmpty())
        return 0;
    http_t *http =
        httpConnect2(server.constData(), ippPort(), nullptr, AF_UNSPEC, HTTP_ENCRYPTION_IF_REQUESTED, 1, 5000, nullptr);
    if (!http)
        return 0;
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(http, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    httpClose(http);
    return newest;
}
