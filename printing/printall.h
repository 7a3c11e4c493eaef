// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/eventpump.h"

#include <QString>
#include <functional>

class AddressListModel;

// What "Print All Selected Address" does around each entry.
struct PrintAllSteps
{
    ProcessEvents processEvents;                            // once per entry, before its tick is read
    std::function<bool()> stopped;                          // true once the program is ending
    std::function<void(const QString &entry)> setToAddress; // the entry into the to-address field
    std::function<bool()> printEnvelope;                    // false ends the run
    std::function<void()> pause;                            // after every envelope, the last included
};

// Prints one envelope for every ticked entry, from the last position
// upwards. The run covers the entries listed when it starts and follows
// them, not their positions, while events run: an entry removed meanwhile is
// not printed, one added meanwhile is not part of the run, and each tick is
// read when the run reaches its entry. Returns how many envelopes went out.
int printAllTicked(const AddressListModel &list, const PrintAllSteps &steps);
