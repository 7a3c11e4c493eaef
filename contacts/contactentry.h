// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contacts/contact.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// A contact as an address book entry, with the address at `address` (its
// index in contact.addresses): the name, the organisation when it has one,
// then the address as addressLines() lays it out, each line followed by
// CR LF, empty ones left out, as the book reads entries back. A label whose
// first lines repeat the name and organisation does not give them twice.
QString contactEntry(const Contact &contact, int address, QStringView home);

// Each contact's entry at its preferred address, in order: the entries an
// import of Quillon's own export gives back.
QStringList preferredEntries(const QList<Contact> &contacts, QStringView home);

// One line that tells an address from the contact's others: its kind and
// its lines, for choosing among them.
QString addressSummary(const PostalAddress &address, QStringView home);
