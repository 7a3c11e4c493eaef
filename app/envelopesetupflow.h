// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/printersetups.h"
#include "settings/settingkeys.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>

class PageSource;
class QTimer;
struct EnvelopeFields;
struct Form1Ui;

// The envelope set-up and the preview window: their fields are stored like
// the window's own, each printer keeps its own set-up, and the preview
// follows every field printing reads and what the print server says.
class EnvelopeSetupFlow final : public QObject
{
    // The texts keep the window's context in the catalogue.
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    struct Context
    {
        Form1Ui &ui;
        PageSource *pages; // none: a plain page without edges
        std::function<void(Setting, const QString &)> store;
        std::function<bool()> ending;
        std::function<void()> testPrint; // the set-up's "test envelope" button
    };

    EnvelopeSetupFlow(Context context, QObject *parent);

    // The fields printing reads, read when used.
    EnvelopeFields fields() const;
    // A stored value of the set-up, the preview or the printers' set-ups.
    void assign(Setting setting, const QString &text);
    void showSetup();
    void showPreview();

private:
    void connectWindows();
    void refreshPreview();
    // The set-up's printer: each keeps its own set-up.
    void choosePrinter();
    void rememberPrinterSetup();
    // Shows what the print server says of the chosen printer, in the
    // set-up and the preview, and asks it again in the background.
    void showPrinter();
    void askPrinter();

    Context m_context;
    PrinterSetups m_printerSetups;
    bool m_printerSetupsRead = false; // not before start-up has read them
    QTimer *m_printerWatch = nullptr;
};
