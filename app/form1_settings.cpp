// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's settings reactions: every persisted field stores its text at
// every change; the display-font fields also apply their font.
#include "app/form1.h"

#include "app/addresstextbox.h"
#include "app/envelopesetupflow.h"
#include "app/sortedcombobox.h"
#include "platform/messagebox.h"
#include "settings/fontsettings.h"

#include <QLineEdit>

#include <tuple>

template <typename Box, typename... Signals>
void Form1::persist(Setting setting, Box *box, Reaction changed, Signals... changes)
{
    m_fieldSetters.emplace(setting, [box](const QString &text) { box->setText(text); });
    (connect(box, changes, this, changed), ...);
}

void Form1::persistFields()
{
    persist(Setting::ReturnAddress, TextReturn, &Form1::TextReturn_Change, &AddressTextBox::changed);
    persist(Setting::ToAddress, TextToAddress, &Form1::TextToAddress_Change, &AddressTextBox::changed);
    persist(Setting::ImportText, TextImport, &Form1::TextImport_Change, &AddressTextBox::changed);
    for (const auto &[setting, box, changed] :
         {std::tuple{Setting::ReturnOffsetX, TextReturnOffX, &Form1::TextReturnOffX_Change},
          {Setting::ReturnOffsetY, TextReturnOffY, &Form1::TextReturnOffY_Change},
          {Setting::ToAddressOffsetX, TextAddressToOffX, &Form1::TextAddressToOffX_Change},
          {Setting::ToAddressOffsetY, TextAddressToOffY, &Form1::TextAddressToOffY_Change},
          {Setting::CustomLineDelimiter, TextLineD, &Form1::TextLineD_Change},
          {Setting::CustomAddressDelimiter, TextAddressD, &Form1::TextAddressD_Change},
          {Setting::ReturnDisplayFontSize, TextReturnDisplayFontSite, &Form1::TextReturnDisplayFontSite_Change},
          {Setting::ReturnDisplayFont, TextReturnDisplayFontType, &Form1::TextReturnDisplayFontType_Change},
          {Setting::ToAddressDisplayFontSize, TextToAddressDisplaySize, &Form1::TextToAddressDisplaySize_Change},
          {Setting::ToAddressDisplayFont, TextToAddressDisplayType, &Form1::TextToAddressDisplayType_Change},
          {Setting::ReturnPrintFontSize, TextReturnPrintFontSize, &Form1::TextReturnPrintFontSize_Change},
          {Setting::ReturnPrintFont, TextReturnPrintFonttype, &Form1::TextReturnPrintFonttype_Change},
          {Setting::ToAddressPrintFontSize, TextToAddressPrintFontSize, &Form1::TextToAddressPrintFontSize_Change},
          {Setting::ToAddressPrintFont, TextToAddressPrintFontType, &Form1::TextToAddressPrintFontType_Change}})
        persist(setting, box, changed, &QLineEdit::textChanged);
    // Typed, picked from the list, or left: each stores the text.
    persist(Setting::LineDelimiter, ComboLine, &Form1::ComboLine_Change, &QComboBox::editTextChanged);
    connect(ComboLine, &QComboBox::activated, this, &Form1::ComboLine_Click);
    connect(ComboLine, &SortedComboBox::lostFocus, this, &Form1::ComboLine_LostFocus);
    persist(Setting::AddressDelimiter, ComboAddress, &Form1::ComboAddress_Change, &QComboBox::editTextChanged);
    connect(ComboAddress, &QComboBox::activated, this, &Form1::ComboAddress_Click);
    connect(ComboAddress, &SortedComboBox::lostFocus, this, &Form1::ComboAddress_LostFocus);
}

void Form1::assignField(Setting setting, const QString &text)
{
    if (const auto field = m_fieldSetters.find(setting); field != m_fieldSetters.end())
        field->second(text);
    else
        m_envelope->assign(setting, text);
}

void Form1::storeField(Setting setting, const QString &text)
{
    m_store.write(setting, text);
}

void Form1::TextReturn_Change()
{
    storeField(Setting::ReturnAddress, TextReturn->text());
}
void Form1::TextToAddress_Change()
{
    storeField(Setting::ToAddress, TextToAddress->text());
}
void Form1::TextReturnOffX_Change()
{
    storeField(Setting::ReturnOffsetX, TextReturnOffX->text());
}
void Form1::TextReturnOffY_Change()
{
    storeField(Setting::ReturnOffsetY, TextReturnOffY->text());
}
void Form1::TextAddressToOffX_Change()
{
    storeField(Setting::ToAddressOffsetX, TextAddressToOffX->text());
}
void Form1::TextAddressToOffY_Change()
{
    storeField(Setting::ToAddressOffsetY, TextAddressToOffY->text());
}
void Form1::TextImport_Change()
{
    storeField(Setting::ImportText, TextImport->text());
}
void Form1::TextLineD_Change()
{
    storeField(Setting::CustomLineDelimiter, TextLineD->text());
}
void Form1::TextAddressD_Change()
{
    storeField(Setting::CustomAddressDelimiter, TextAddressD->text());
}
void Form1::ComboLine_Change()
{
    storeField(Setting::LineDelimiter, ComboLine->text());
}
void Form1::ComboLine_Click()
{
    storeField(Setting::LineDelimiter, ComboLine->text());
}
void Form1::ComboLine_LostFocus()
{
    storeField(Setting::LineDelimiter, ComboLine->text());
}
void Form1::ComboAddress_Change()
{
    storeField(Setting::AddressDelimiter, ComboAddress->text());
}
void Form1::ComboAddress_Click()
{
    storeField(Setting::AddressDelimiter, ComboAddress->text());
}
void Form1::ComboAddress_LostFocus()
{
    storeField(Setting::AddressDelimiter, ComboAddress->text());
}
void Form1::TextReturnPrintFontSize_Change()
{
    storeField(Setting::ReturnPrintFontSize, TextReturnPrintFontSize->text());
}
void Form1::TextReturnPrintFonttype_Change()
{
    storeField(Setting::ReturnPrintFont, TextReturnPrintFonttype->text());
}
void Form1::TextToAddressPrintFontSize_Change()
{
    storeField(Setting::ToAddressPrintFontSize, TextToAddressPrintFontSize->text());
}
void Form1::TextToAddressPrintFontType_Change()
{
    storeField(Setting::ToAddressPrintFont, TextToAddressPrintFontType->text());
}

// The display-font fields store their text and apply their font.
void Form1::TextReturnDisplayFontSite_Change()
{
    storeField(Setting::ReturnDisplayFontSize, TextReturnDisplayFontSite->text());
    if (const auto font = withDisplaySize(TextReturn->font(), TextReturnDisplayFontSite->text()))
        TextReturn->setFont(*font);
}

void Form1::TextReturnDisplayFontType_Change()
{
    storeField(Setting::ReturnDisplayFont, TextReturnDisplayFontType->text());
    TextReturn->setFont(withDisplayFace(TextReturn->font(), TextReturnDisplayFontType->text()));
}

void Form1::TextToAddressDisplaySize_Change()
{
    storeField(Setting::ToAddressDisplayFontSize, TextToAddressDisplaySize->text());
    if (const auto font = withDisplaySize(TextToAddress->font(), TextToAddressDisplaySize->text()))
        TextToAddress->setFont(*font);
}

void Form1::TextToAddressDisplayType_Change()
{
    storeField(Setting::ToAddressDisplayFont, TextToAddressDisplayType->text());
    TextToAddress->setFont(withDisplayFace(TextToAddress->font(), TextToAddressDisplayType->text()));
}

void Form1::CommandDefaultSettings_Click()
{
    const QString face = QString::fromLatin1(kDefaultFontFace);
    const QString size = QString::fromLatin1(kDefaultFontSize);
    TextToAddressPrintFontType->setText(face);
    TextReturnDisplayFontSite->setText(size);
    TextReturnDisplayFontType->setText(face);
    TextReturnPrintFontSize->setText(size);
    TextToAddressDisplaySize->setText(size);
    TextToAddressPrintFontSize->setText(size);
    TextReturnPrintFonttype->setText(face);
    TextToAddressDisplayType->setText(face);
}

void Form1::RestoreDefaultSettingsM_Click()
{
    // The address book is asked about before anything is wiped.
    if (!m_services.messages.askYesNo(tr("Are you sure you want to restore the default settings?")) || !mayEnd())
        return;
    // The store refuses writes from the wipe on, so the focus changes that
    // the message box brings cannot put a key back.
    const IoResult removed = m_store.deleteAllAndFreeze();
    if (!removed.ok) {
        m_services.messages.warning(tr("The saved settings could not be removed:\n%1\n"
                                       "They stay as they are, and Quillon goes on running.")
                                        .arg(removed.error));
        return;
    }
    m_services.messages.information(tr("Please restart Quillon"));
    endProgram();
}
