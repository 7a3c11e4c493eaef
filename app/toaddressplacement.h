// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class AddressTextBox;
class EnvelopePreview;
class EnvelopeSetupDialog;
class QLineEdit;

// "Place the To Address for this size": when the set-up asks, sets the To
// Address offsets so that the block, as the preview lays it out on the
// envelope shown, starts in the envelope's address zone. The offsets are
// the window's own fields, stored and previewed as any change of them, and
// stay the user's to change.
class ToAddressPlacement final : public QObject
{
    Q_OBJECT

public:
    ToAddressPlacement(EnvelopeSetupDialog *setup, const EnvelopePreview *preview, const AddressTextBox *toAddress,
                       QLineEdit *offsetX, QLineEdit *offsetY, QObject *parent);

private:
    void place();

    const EnvelopePreview *m_preview;
    const AddressTextBox *m_toAddress;
    QLineEdit *m_offsetX;
    QLineEdit *m_offsetY;
};
