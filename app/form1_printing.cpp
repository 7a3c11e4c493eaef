// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's printing: one envelope, and every ticked address.
#include "app/form1.h"

#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/busycommand.h"
#include "platform/eventpump.h"
#include "platform/messagebox.h"
#include "printing/envelope.h"
#include "printing/printall.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <memory>

void Form1::CommandPrint_Click()
{
    if (m_printingEnvelope)
        return;
    m_acceptedPaperProblem.clear();
    m_toldNotice.clear();
    printCurrentEnvelope();
}

bool Form1::printCurrentEnvelope()
{
    if (ending() || m_printingEnvelope)
        return false;
    const BusyCommand busy(CommandPrint);
    m_printingEnvelope = true;
    EnvelopeFields fields = envelopeFields();
    fields.printAnyway = [this](const QString &problem) { return printAnyway(problem); };
    const EnvelopeResult result = printEnvelope(
        fields, m_services.printer, [this] { m_services.events.processEvents(); }, [this] { return ending(); });
    m_printingEnvelope = false;
    tellPrinted(result);
    return result.succeeded();
}

bool Form1::printAnyway(const QString &problem)
{
    if (problem == m_acceptedPaperProblem)
        return true;
    if (ending() || !m_services.messages.askYesNo(problem + u'\n' + tr("Print anyway?")))
        return false;
    m_acceptedPaperProblem = problem;
    return true;
}

void Form1::tellPrinted(const EnvelopeResult &result)
{
    if (ending())
        return;
    if (!result.succeeded() && !result.message.isEmpty())
        m_services.messages.warning(result.message);
    if (!result.notice.isEmpty() && result.notice != m_toldNotice) {
        m_toldNotice = result.notice;
        m_services.messages.information(result.notice);
    }
}

void Form1::CommandPrintAll_Click()
{
    if (ending())
        return;
    if (m_printingEnvelope) {
        // Clicked while an envelope's lines let events run: the run's first
        // envelope would land in that envelope's open job. It starts as
        // soon as that envelope is done; the button stays disabled till then.
        auto busy = std::make_shared<BusyCommand>(CommandPrintAll);
        QTimer::singleShot(0, this, [this, busy] { CommandPrintAll_Click(); });
        return;
    }

    const BusyCommand busy(CommandPrintAll);
    m_acceptedPaperProblem.clear();
    m_toldNotice.clear();
    printAllTicked(*addressBook(),
                   PrintAllSteps{
                       [this] { m_services.events.processEvents(); },
                       [this] { return ending(); },
                       [this](const QString &entry) { TextToAddress->setText(entry); },
                       [this] { return printCurrentEnvelope(); },
                       [this] { Sleep1(2); },
                   });
}

// The pause after each envelope, with the window responsive.
void Form1::Sleep1(int seconds)
{
    waitOnClock(m_services.events, m_services.clock, std::chrono::seconds(seconds), [this] { return ending(); });
}
