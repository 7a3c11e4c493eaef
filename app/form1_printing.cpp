// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's printing and envelope reactions: PrintingFlow prints, and
// EnvelopeSetupFlow keeps the set-up and the preview.
#include "app/form1.h"

#include "app/envelopesetupflow.h"
#include "app/printingflow.h"
#include "platform/eventpump.h"

#include <chrono>

void Form1::CommandPrint_Click()
{
    m_printing->printEntry({});
}

void Form1::CommandPrintAll_Click()
{
    m_printing->printAll();
}

void Form1::SavePdfMenu_Click()
{
    m_printing->savePdf();
}

void Form1::Sleep1(int seconds)
{
    waitOnClock(m_services.events, m_services.clock, std::chrono::seconds(seconds),
                [this] { return m_printing->batchStopped(); });
}

void Form1::EnvelopeM_Click()
{
    m_envelope->showSetup();
}

void Form1::EnvelopePreviewM_Click()
{
    m_envelope->showPreview();
}
