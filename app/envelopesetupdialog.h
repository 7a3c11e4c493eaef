// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"
#include "printing/envelopesize.h"
#include "settings/settingkeys.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The envelope set-up: the printer, the size fed, its tray and paper type,
// the calibration shift and the turn, with which way round the envelope
// goes in and whether the printer has its size. Like the window's fields,
// it keeps texts and reports every change.
class EnvelopeSetupDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit EnvelopeSetupDialog(QWidget *parent = nullptr);

    EnvelopeSetup setup() const;
    // A stored value into its field, which then reports it as changed.
    void assign(Setting setting, const QString &text);
    // The printer's own choices, and what to tell about feeding the
    // envelope and about its size; the fields keep their values.
    void showPrinter(const PrinterDescription &printer, const QString &feeding, const QString &paperProblem);

    QComboBox *printer = nullptr;
    QComboBox *size = nullptr;
    QLineEdit *widthMM = nullptr;
    QLineEdit *heightMM = nullptr;
    QComboBox *tray = nullptr;
    QComboBox *paperType = nullptr;
    QLineEdit *shiftXMM = nullptr;
    QLineEdit *shiftYMM = nullptr;
    QCheckBox *turned = nullptr;
    QCheckBox *oneJob = nullptr;    // Print All as one job
    QLabel *feeding = nullptr;      // which way round the envelope goes in
    QLabel *paperProblem = nullptr; // shown when the printer lacks the size
    QPushButton *preview = nullptr;
    QPushButton *testPrint = nullptr; // prints the test envelope

signals:
    void changed(Setting setting, const QString &text);
    // The user chose another printer (not a stored value restored).
    void printerChosen();

private:
    void enableCustomSize();
};
