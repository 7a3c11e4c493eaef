// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's importer: the parser's reactions, samples and "Clear Addresses".
#include "app/form1.h"

#include "app/addresstextbox.h"

void Form1::CommandImport_Click() {}

void Form1::CommandClearImport_Click()
{
    TextImport->setText(QString());
}

void Form1::Sample1Menu_Click() {}
void Form1::Sample2Menu_Click() {}
