// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's settings reactions: every persisted field stores its text at
// every change; the display-font fields also apply their font.
#include "app/form1.h"

#include "app/addresstextbox.h"
#include "app/sortedcombobox.h"
#include "platform/messagebox.h"
#include "settings/fontsettings.h"

#include <QLineEdit>

#include <utility>

template <typename Box, typename... Signals>
void Form1::persist(Setting setting, Box *box, Signals... changes)
{
    m_fieldSetters.emplace(setting, [box](const QString &text) { box->setText(text); });
    (connect(box, changes, this, [this, setting, box] { storeField(setting, box->text()); }), ...);
}

void Form1::persistFields()
{
    persist(Setting::ReturnAddress, TextReturn, &AddressTextBox::changed);
    persist(Setting::ToAddress, TextToAddress, &AddressTextBox::changed);
    persist(Setting::ImportText, TextImport, &AddressTextBox::changed);
    for (const auto &[setting, box] : {
             std::pair{Setting::ReturnOffsetX, TextReturnOffX}, {Setting::ReturnOffsetY, TextReturnOffY},
             {Setting::ToAddressOffsetX, TextAddressToOffX}, {Setting::ToAddressOffsetY, TextAddressToOffY},
             {Setting::CustomLineDelimiter, TextLineD}, {Setting::CustomAddressDelimiter, TextAddressD},
             {Setting::ReturnDisplayFontSize, TextReturnDisplayFontSite},
             {Setting::ReturnDisplayFont, TextReturnDisplayFontType},
             {Setting::ToAddressDisplayFontSize, TextToAddressDisplaySize},
             {Setting::ToAddressDisplayFont, TextToAddressDisplayType},
             {Setting::ReturnPrintFontSize, TextReturnPrintFontSize},
             {Setting::ReturnPrintFont, TextReturnPrintFonttype},
             {Setting::ToAddressPrintFontSize, TextToAddressPrintFontSize},
             {Setting::ToAddressPrintFont, TextToAddressPrintFontType}})
        persist(setting, box, &QLineEdit::textChanged);
    // Typed, picked from the list, or left: each stores the text.
    for (const auto &[setting, combo] :
         {std::pair{Setting::LineDelimiter, ComboLine}, {Setting::AddressDelimiter, ComboAddress}})
        persist(setting, combo, &QComboBox::editTextChanged, &QComboBox::activated, &SortedComboBox::lostFocus);

    // The display-font fields also apply their font, once it is stored.
    connect(TextReturnDisplayFontSite, &QLineEdit::textChanged, this, &Form1::TextReturnDisplayFontSite_Change);
    connect(TextReturnDisplayFontType, &QLineEdit::textChanged, this, &Form1::TextReturnDisplayFontType_Change);
    connect(TextToAddressDisplaySize, &QLineEdit::textChanged, this, &Form1::TextToAddressDisplaySize_Change);
    connect(TextToAddressDisplayType, &QLineEdit::textChanged, this, &Form1::TextToAddressDisplayType_Change);
}

void Form1::assignField(Setting setting, const QString &text)
{
    if (const auto field = m_fieldSetters.find(setting); field != m_fieldSetters.end())
        field->second(text);
    else
        assignEnvelopeSetting(setting, text);
}

void Form1::storeField(Setting setting, const QString &text)
{
    m_store.write(setting, text);
}

void Form1::TextReturnDisplayFontSite_Change()
{
    if (const auto font = withDisplaySize(TextReturn->font(), TextReturnDisplayFontSite->text()))
        TextReturn->setFont(*font);
}

void Form1::TextReturnDisplayFontType_Change()
{
    TextReturn->setFont(withDisplayFace(TextReturn->font(), TextReturnDisplayFontType->text()));
}

void Form1::TextToAddressDisplaySize_Change()
{
    if (const auto font = withDisplaySize(TextToAddress->font(), TextToAddressDisplaySize->text()))
        TextToAddress->setFont(*font);
}

void Form1::TextToAddressDisplayType_Change()
{
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
    if (!m_services.messages.askYesNo(tr("Are you sure you want to restore the default settings?")))
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
