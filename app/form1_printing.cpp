// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's printing: one envelope, and every ticked address.
#include "app/form1.h"

void Form1::CommandPrint_Click() {}
void Form1::CommandPrintAll_Click() {}
