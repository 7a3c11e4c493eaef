// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's importer: the parser's reactions, samples and "Clear Addresses".
#include "app/form1.h"

#include "app/addresstextbox.h"
#include "app/sortedcombobox.h"
#include "importer/samples.h"

void Form1::CommandImport_Click() {}

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
