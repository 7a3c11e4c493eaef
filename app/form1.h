// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "addressbook/addressbooksession.h"
#include "app/addresslistview.h"
#include "app/form1services.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"

#include <QMainWindow>
#include <QString>

class AddressListModel;
class AddressTextBox;
class EnvelopePreview;
class EnvelopeSetupDialog;
struct EnvelopeFields;
class HeadingLabel;
class QAction;
class QGroupBox;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class SortedComboBox;

// The program's one window. It holds the controls under their design names
// and one reaction per event; each reaction reads the fields, hands the
// work to a unit outside the window and writes the result back.
class Form1 final : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(const Form1Services &services, QWidget *parent = nullptr);
    ~Form1() override;

    // Start-up: the saved fields, the delimiter lists, the address book.
    void Form_Load();

    // --- Controls (public so that the tests can drive them) ---
    // Main panel
    HeadingLabel *Label2 = nullptr;
    AddressTextBox *TextReturn = nullptr;
    AddressTextBox *TextToAddress = nullptr;
    AddressListView *List1 = nullptr;
    HeadingLabel *Label5 = nullptr;
    QLineEdit *TextReturnOffX = nullptr;
    QLineEdit *TextReturnOffY = nullptr;
    QLineEdit *TextAddressToOffX = nullptr;
    QLineEdit *TextAddressToOffY = nullptr;
    QPushButton *CommandKeepToAddress = nullptr;
    QPushButton *CommandSelectAll = nullptr;
    QPushButton *CommandClearData = nullptr;
    QPushButton *CommandPrint = nullptr;
    QPushButton *CommandClear = nullptr;
    QPushButton *CommandPrintAll = nullptr;
    QGroupBox *FrameAddressImporter = nullptr;
    // Importer panel
    AddressTextBox *TextImport = nullptr;
    HeadingLabel *Label1 = nullptr;
    SortedComboBox *ComboLine = nullptr;
    HeadingLabel *Label8 = nullptr;
    QLineEdit *TextLineD = nullptr;
    HeadingLabel *Label4 = nullptr;
    SortedComboBox *ComboAddress = nullptr;
    HeadingLabel *Label14 = nullptr;
    QLineEdit *TextAddressD = nullptr;
    QPushButton *CommandImport = nullptr;
    QPushButton *CommandClearImport = nullptr;
    // Font panel
    QGroupBox *FrameFontOptions = nullptr;
    HeadingLabel *LabelRAPrint = nullptr;
    QLineEdit *TextReturnDisplayFontSite = nullptr;
    QLineEdit *TextReturnDisplayFontType = nullptr;
    HeadingLabel *LabelFontRAPrint = nullptr;
    QLineEdit *TextReturnPrintFontSize = nullptr;
    QLineEdit *TextReturnPrintFonttype = nullptr;
    HeadingLabel *LabelAddressDisplay = nullptr;
    QLineEdit *TextToAddressDisplaySize = nullptr;
    QLineEdit *TextToAddressDisplayType = nullptr;
    HeadingLabel *LabelAddressPrint = nullptr;
    QLineEdit *TextToAddressPrintFontSize = nullptr;
    QLineEdit *TextToAddressPrintFontType = nullptr;
    QPushButton *CommandHide = nullptr;
    QPushButton *CommandDefaultSettings = nullptr;
    // Save-as panel
    QGroupBox *Frame1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    // Never shown
    AddressTextBox *Text2 = nullptr;
    AddressTextBox *Text5 = nullptr;
    QPushButton *CommandShowGrid = nullptr;
    QPushButton *CommandTakeAddress = nullptr;

    // Menus
    QMenu *MFile = nullptr;
    QAction *HelpM = nullptr;
    QAction *SaveMenu = nullptr;
    QAction *SaveMenuAs = nullptr;
    QAction *ImportMenu = nullptr;
    QAction *CustomProgrammingMenu = nullptr;
    QAction *SuggestionsMenu = nullptr;
    QAction *Sample1Menu = nullptr;
    QAction *Sample2Menu = nullptr;
    QAction *ExitM = nullptr;
    QMenu *MOptions = nullptr;
    QAction *FontSettingsM = nullptr;
    QAction *RestoreDefaultSettingsM = nullptr;
    QAction *EnvelopeM = nullptr;
    QAction *EnvelopePreviewM = nullptr;
    // The envelope set-up and the preview window (form1_envelope.cpp).
    EnvelopeSetupDialog *envelopeSetup = nullptr;
    EnvelopePreview *envelopePreview = nullptr;
    QMenu *MHelp = nullptr;
    QAction *AboutMMMM = nullptr;
    QAction *HelpMMMM = nullptr;

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
    AddressListModel *addressBook() const;
    // Adds entries at their sorted places, unticked, and tells the user of
    // those refused. Does not save. Returns how many were added.
    int addToAddressBook(const QStringList &entries);
    // Adds the entries of the book file to the list.
    void ImportingFile();
    // Writes the whole list to the book file.
    BookResult::Status SaveFile();

public slots:
    // Lifecycle
    void Form_Resize();
    void ExitM_Click();

    // Settings: the persisted fields' change reactions
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
    void RestoreDefaultSettingsM_Click();

    // Fonts
    void TextReturnDisplayFontSite_Change();
    void TextReturnDisplayFontType_Change();
    void TextToAddressDisplaySize_Change();
    void TextToAddressDisplayType_Change();
    void TextReturnPrintFontSize_Change();
    void TextReturnPrintFonttype_Change();
    void TextToAddressPrintFontSize_Change();
    void TextToAddressPrintFontType_Change();
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
    void Command1_Click();
    void Command2_Click();

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
    void createControls();
    void createMenus();
    void connectReactions();
    void setFocusOrder();
    void fitHeadingLabels();
    void fillDelimiterLists();
    void assignStartupValues();
    void assignField(Setting setting, const QString &text);
    void storeField(Setting setting, const QString &text);
    void endProgram();

    // --- Address book (form1_addressbook.cpp) ---
    enum class Frame1Mode { Save, Import };
    void openFrame1(Frame1Mode mode);
    // Shows what an address book command has to say.
    void tell(const BookResult &result);

    Form1Services m_services;
    SettingsStore m_store;
    bool m_ending = false;

    // After m_services, which it is made from.
    AddressBookSession m_book{BookPlaces::probe(m_services.programDir, m_services.dataDir),
                              [this] { m_services.events.processEvents(); }, [this] { return ending(); }};
    Frame1Mode m_frame1Mode = Frame1Mode::Save;

    // --- Printing (form1_printing.cpp) ---
    // One envelope from the fields as they stand now. Tells the user, once,
    // what kept it from the printer; true when nothing did.
    bool printCurrentEnvelope();
    // --- Envelope set-up and preview (form1_envelope.cpp) ---
    // The fields printing reads, read when used.
    EnvelopeFields envelopeFields() const;
    void createEnvelopeWindows();
    void assignEnvelopeSetting(Setting setting, const QString &text);
    void refreshPreview();
    // Waits the given number of seconds with the window responsive; stops
    // early once the program is ending.
    void Sleep1(int seconds);
    // An envelope's document is open: a second one must not start inside it.
    bool m_printingEnvelope = false;
};
