// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/addressbooksession.h"
#include "addressbook/bookhistory.h"
#include "app/addresslistview.h"
#include "app/form1services.h"
#include "app/form1ui.h"
#include "app/usermessages.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class AddressListModel;
class ContactsFlow;
class EnvelopeSetupFlow;
class FileDialogs;
class ManualFlow;
class PrintingFlow;

// The program's one window. Its controls, made by Form1Ui, keep their
// design names; the window adds one reaction per event: each reads the
// fields, hands the work to a unit outside the window and writes the
// result back.
class Form1 final : public QMainWindow, public Form1Ui
{
    Q_OBJECT

public:
    explicit Form1(const Form1Services &services, QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up: the saved fields, the delimiter lists, the address book.
    void Form_Load();

    // True once the program is ending: every loop stops, nothing is stored.
    bool ending() const { return m_ending; }

    // --- Address book (form1_addressbook.cpp) ---
    // The book file in use: empty until the first load or save, then the
    // default book, or the name typed into the Save-As panel for the rest
    // of the run.
    QString AddressFileName() const { return m_book.fileName(); }
    // The list's entries: text(row) is the exact entry, isTicked(row) its
    // tick. A loop that lets events run between entries (Print All) holds
    // QPersistentModelIndex values of it: they follow their entries through
    // insertions and removals, and turn invalid when the entry is removed.
    AddressListModel *addressBook() const { return m_book.model(); }
    // Adds entries at their sorted places, unticked, and tells the user of
    // those refused. Does not save. Returns how many were added.
    int addToAddressBook(const QStringList &entries);
    // Adds the entries of the book file to the list.
    void ImportingFile();
    // Writes the whole list to the book file.
    BookResult::Status SaveFile();

    // --- Contacts (form1_contacts.cpp) ---
    // Each contacts file in turn goes to the review, whose ticked contacts
    // the address book takes in.
    void importContacts(const QStringList &paths);

public slots:
    // Lifecycle
    void Form_Resize();
    void ExitM_Click();

    // Settings
    void RestoreDefaultSettingsM_Click();

    // The persisted fields: each stores its text at every change
    void TextReturn_Change();
    void TextToAddress_Change();
    void TextReturnOffX_Change();
    void TextReturnOffY_Change();
    void TextAddressToOffX_Change();
    void TextAddressToOffY_Change();
    void TextImport_Change();
    void TextLineD_Change();
    void TextAddressD_Change();
    void ComboLine_Change();
    void ComboLine_Click();
    void ComboLine_LostFocus();
    void ComboAddress_Change();
    void ComboAddress_Click();
    void ComboAddress_LostFocus();
    void TextReturnPrintFontSize_Change();
    void TextReturnPrintFonttype_Change();
    void TextToAddressPrintFontSize_Change();
    void TextToAddressPrintFontType_Change();

    // Fonts: the display-font fields also apply their font
    void TextReturnDisplayFontSite_Change();
    void TextReturnDisplayFontType_Change();
    void TextToAddressDisplaySize_Change();
    void TextToAddressDisplayType_Change();
    void CommandDefaultSettings_Click();

    // Panels
    void FontSettingsM_Click();
    void CommandHide_Click();
    void CommandShowGrid_Click();

    // Help and information
    void AboutMMMM_Click();
    void HelpMMMM_Click();
    void HelpM_Click();
    void CustomProgrammingMenu_Click();
    void SuggestionsMenu_Click();

    // Address book
    void CommandKeepToAddress_Click();
    void List1_Click();
    void CommandSelectAll_Click();
    void CommandClearData_Click();
    void CommandClear_Click();
    void SaveMenu_Click();
    void SaveMenuAs_Click();
    void ImportMenu_Click();
    void SavePdfMenu_Click();
    void Command1_Click();
    void Command2_Click();

    // Contacts files
    void ImportContactsMenu_Click();
    void ExportContactsMenu_Click();

    // Importer
    void CommandImport_Click();
    void CommandClearImport_Click();
    void Sample1Menu_Click();
    void Sample2Menu_Click();

    // Printing
    void CommandPrint_Click();
    void CommandPrintAll_Click();
    void EnvelopeM_Click();
    void EnvelopePreviewM_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    using Reaction = void (Form1::*)();
    void connectButtons();
    void connectMenus();
    void fillDelimiterLists();
    // Ends the program, unless the address book's last save failed, the
    // save fails again, and the user chooses to go on; false then.
    bool endProgram();
    // Whether the program may end: nothing unsaved, or the user lets it go.
    bool mayEnd();

    // --- Settings (form1_settings.cpp) ---
    // Each persisted field stores its text under its setting at every
    // change, and takes the stored text at start-up (assignField).
    void persistFields();
    template <typename Box, typename... Signals>
    void persist(Setting setting, Box *box, Reaction changed, Signals... changes);
    void assignField(Setting setting, const QString &text);
    void storeField(Setting setting, const QString &text);
    std::map<Setting, std::function<void(const QString &)>> m_fieldSetters;

    // --- Address book (form1_addressbook.cpp) ---
    enum class Frame1Mode { Save, Import };
    void openFrame1(Frame1Mode mode);

    Form1Services m_services;
    UserMessages m_messages{m_services.messages};
    SettingsStore m_store;
    bool m_ending = false;
    bool m_leaveUnsaved = false; // the user chose to end without the book saved
    bool m_shown = false;

    // After m_services, which it is made from.
    AddressBookSession m_book{BookPlaces::probe(m_services.programDir, m_services.dataDir),
                              [this] { m_services.events.processEvents(); }, [this] { return ending(); }};
    BookHistory m_history{m_book};
    Frame1Mode m_frame1Mode = Frame1Mode::Save;

    // --- Contacts, printing, the envelope set-up: each feature's own unit ---
    FileDialogs &fileDialogs();
    std::unique_ptr<FileDialogs> m_desktopDialogs;
    ManualFlow *m_manual; // the maker's web pages and the manual, F1
    EnvelopeSetupFlow *m_envelope;
    PrintingFlow *m_printing;
    ContactsFlow *m_contacts;
    // The pause after each envelope of Print All, with the window
    // responsive; Stop ends it.
    void Sleep1(int seconds);
};
