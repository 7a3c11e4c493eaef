// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/printer.h"
#include "printing/envelopesize.h"
#include "settings/settingkeys.h"

#include <QDialog>

class FeedPicture;
class MillimetreBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// The envelope set-up: the printer, the size fed, its tray and paper type,
// the calibration shift and the turn, the side the printer prints on, with
// a picture and a sentence of how the envelope goes in and whether the
// printer has its size. Like the window's fields, it keeps texts and
// reports every change.
class EnvelopeSetupDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit EnvelopeSetupDialog(QWidget *parent = nullptr);

    EnvelopeSetup setup() const;
    // A stored value into its field, which then reports it as changed.
    void assign(Setting setting, const QString &text);
    // The printer's own choices and how it turns the page, and what to
    // tell about the envelope's size; the fields keep their values.
    void showPrinter(const PrinterDescription &printer, const QString &paperProblem);
    bool printAllAsOneJob() const;

signals:
    void changed(Setting setting, const QString &text);
    // The user chose another printer (not a stored value restored).
    void printerChosen();
    void previewAsked();
    // Runs while the test envelope's button is kept disabled.
    void testPrintAsked();
    void placeToAddressAsked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void enableCustomSize();
    void showFeed();
    void colourWarning();

    QComboBox *m_printer = nullptr;
    QComboBox *m_size = nullptr;
    MillimetreBox *m_widthMM = nullptr;
    MillimetreBox *m_heightMM = nullptr;
    QComboBox *m_tray = nullptr;
    QComboBox *m_paperType = nullptr;
    MillimetreBox *m_shiftXMM = nullptr;
    MillimetreBox *m_shiftYMM = nullptr;
    QCheckBox *m_turned = nullptr;
    QComboBox *m_face = nullptr;
    QCheckBox *m_oneJob = nullptr; // Print All as one job
    QLabel *m_feeding = nullptr;   // which way round the envelope goes in
    FeedPicture *m_feedPicture = nullptr;
    QLabel *m_paperProblem = nullptr; // shown when the printer lacks the size
    QPushButton *m_placeToAddress = nullptr;
    QPushButton *m_testPrint = nullptr;
    std::optional<LandscapeTurn> m_turn; // as the printer last said
};
