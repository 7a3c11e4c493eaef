// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/manualflow.h"

#include "app/manualwindow.h"
#include "platform/messagebox.h"
#include "platform/shell.h"

#include <QAction>
#include <QKeySequence>
#include <QLocale>

ManualFlow::ManualFlow(QWidget *window, QAction *manualItem, Shell &shell, MessageBox &messages)
    : QObject(window),
      m_window(window),
      m_shell(shell),
      m_messages(messages)
{
    manualItem->setShortcut(QKeySequence::HelpContents);
    connect(manualItem, &QAction::triggered, this, &ManualFlow::showManual);
}

void ManualFlow::openWebPage(const QString &url)
{
    // The browser's failure may be heard after the window has gone.
    m_shell.openUrl(url, [flow = QPointer<ManualFlow>(this), url] {
        if (flow
            && flow->m_messages.warnAndAsk(
                tr("Quillon could not start a web browser to open %1.\n\n"
                   "Do you want to read the Quillon Manual, which comes with the program, instead?")
                    .arg(url)))
            flow->showManual();
    });
}

void ManualFlow::showManual()
{
    if (!m_manual)
        m_manual = new ManualWindow(QLocale(), m_window);
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}
