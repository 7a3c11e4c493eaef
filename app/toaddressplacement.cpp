// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toaddressplacement.h"

#include "app/addresstextbox.h"
#include "app/envelopepreview.h"
#include "app/envelopesetupdialog.h"
#include "printing/addressplace.h"
#include "printing/envelope.h"

#include <QLineEdit>
#include <QLocale>

ToAddressPlacement::ToAddressPlacement(EnvelopeSetupDialog *setup, const EnvelopePreview *preview,
                                       const AddressTextBox *toAddress, QLineEdit *offsetX, QLineEdit *offsetY,
                                       QObject *parent)
    : QObject(parent),
      m_preview(preview),
      m_toAddress(toAddress),
      m_offsetX(offsetX),
      m_offsetY(offsetY)
{
    connect(setup, &EnvelopeSetupDialog::placeToAddressAsked, this, &ToAddressPlacement::place);
}

void ToAddressPlacement::place()
{
    const PreviewPrinter &layout = m_preview->layout();
    if (layout.page().isEmpty())
        return;
    // The To Address prints last: its lines are the layout's last ones.
    const qsizetype count = std::min(envelopeLines(m_toAddress->text()).size(), layout.lines().size());
    QRectF block;
    for (qsizetype i = layout.lines().size() - count; i < layout.lines().size(); ++i)
        block |= layout.lines()[i].box;
    const QPointF offset = toAddressPlace(layout.page(), layout.printable(), block.size());
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    m_offsetX->setText(locale.toString(offset.x(), 'g', 6));
    m_offsetY->setText(locale.toString(offset.y(), 'g', 6));
}
