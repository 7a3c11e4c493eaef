// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/envelopesize.h"
#include "settings/settingkeys.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The envelope set-up: the size fed, the calibration shift and the turn,
// and whether Print All sends one job.
// Like the window's fields, it keeps texts and reports every change.
class EnvelopeSetupDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit EnvelopeSetupDialog(QWidget *parent = nullptr);

    EnvelopeSetup setup() const;
    // A stored value into its field, which then reports it as changed.
    void assign(Setting setting, const QString &text);

    QComboBox *size = nullptr;
    QLineEdit *widthMM = nullptr;
    QLineEdit *heightMM = nullptr;
    QLineEdit *shiftXMM = nullptr;
    QLineEdit *shiftYMM = nullptr;
    QCheckBox *turned = nullptr;
    QCheckBox *oneJob = nullptr; // Print All as one job
    QPushButton *preview = nullptr;
    QPushButton *testPrint = nullptr; // prints the test envelope

signals:
    void changed(Setting setting, const QString &text);

private:
    void enableCustomSize();
};
