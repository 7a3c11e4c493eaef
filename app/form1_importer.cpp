// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's importer: the parser's reactions, samples and "Clear Addresses".
#include "app/form1.h"

#include "app/addresstextbox.h"
#include "app/sortedcombobox.h"
#include "importer/delimiters.h"
#include "importer/importparser.h"
#include "importer/samples.h"
#include "platform/eventpump.h"
#include "platform/messagebox.h"

#include <QLineEdit>

#include <utility>

void Form1::CommandImport_Click()
{
    // Our own copy: the box may be edited while events run, and the parse
    // reads this text to the end.
    const QString text = TextImport->text();
    const AddressSplit split = addressSplitFor(ComboAddress->text(), TextAddressD->text());
    // Pending events run before the first piece, so even a short import
    // lets them in; after that at most every few milliseconds.
    const ProcessEvents pump = [this] { m_services.events.processEvents(); };
    ThrottledEvents throttled(pump);
    bool first = true;
    const ProcessEvents events = [&] { std::exchange(first, false) ? pump() : throttled(); };
    const ImportResult parsed = parseImport(
        text, [this] { return lineDelimiterFor(ComboLine->text(), TextLineD->text()); }, split, events,
        [this] { return ending(); });

    if (parsed.status == ImportStatus::NothingToImport) {
        m_services.messages.information(
            tr("You need to add the address into the textbox above before clicking the import addressess icon."));
        return;
    }
    if (parsed.status == ImportStatus::Stopped || ending())
        return;
    // All the addresses go in at once, after the parse: an import or a
    // command that ran meanwhile sees the list without them, never half.
    const auto step = m_history.step(BookHistory::Command::ImportAddresses);
    addToAddressBook(parsed.addresses);
    SaveFile();
}

void Form1::CommandClearImport_Click()
{
    TextImport->setText(QString());
}

void Form1::Sample1Menu_Click()
{
    TextImport->setText(Text2->text());
    ComboLine->setText(kSample1.lineChoice.toString());
    ComboAddress->setText(kSample1.addressChoice.toString());
}

void Form1::Sample2Menu_Click()
{
    ComboLine->setText(kSample2.lineChoice.toString());
    ComboAddress->setText(kSample2.addressChoice.toString());
    TextImport->setText(Text5->text());
}
