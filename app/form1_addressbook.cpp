// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's address book commands, Save and Save-As.
#include "app/form1.h"

#include "app/addresstextbox.h"

void Form1::ImportingFile() {}
void Form1::SaveFile() {}
void Form1::CommandKeepToAddress_Click() {}
void Form1::List1_Click() {}
void Form1::CommandSelectAll_Click() {}
void Form1::CommandClearData_Click() {}

void Form1::CommandClear_Click()
{
    TextToAddress->setText(QString());
    TextReturn->setText(QString());
}

void Form1::SaveMenu_Click() {}
void Form1::SaveMenuAs_Click() {}
void Form1::ImportMenu_Click() {}
void Form1::Command1_Click() {}
void Form1::Command2_Click() {}
