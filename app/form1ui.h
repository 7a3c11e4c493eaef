// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

class AddressListView;
class AddressTextBox;
class EnvelopePreview;
class EnvelopeSetupDialog;
class HeadingLabel;
class PageSource;
class QAction;
class QGroupBox;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;
class SortedComboBox;

// The window's controls under their fixed names, made and placed where the
// window's layout in twips puts them: what the window shows, not what it does. Form1 inherits them,
// so they are the window's own members (form->TextReturn); nothing here
// reacts to anything.
struct Form1Ui
{
    // The texts keep the window's context in the catalogue.
    Q_DECLARE_TR_FUNCTIONS(Form1)

public:
    // The window is laid out in twips; at 96 dots per inch a pixel is 15.
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int px(int twips) { return twips / kTwipsPerPixel; }

    // Makes the controls, the menus and the envelope windows on window,
    // sets the tab order, fits the headings to their boxes and gives the
    // window its size. The preview shows the pages' edges.
    void setupUi(QMainWindow *window, PageSource *pages);

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
    QAction *ImportContactsMenu = nullptr;
    QAction *ExportContactsMenu = nullptr;
    QAction *SavePdfMenu = nullptr; // the envelopes of Print All, as a PDF file
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
    QMenu *MHelp = nullptr;
    QAction *AboutMMMM = nullptr;
    QAction *HelpMMMM = nullptr;
    QAction *ManualM = nullptr; // F1
    // Print has no menu item: the window itself takes Ctrl+P.
    QAction *PrintKey = nullptr;

    // The envelope set-up and the preview window.
    EnvelopeSetupDialog *envelopeSetup = nullptr;
    EnvelopePreview *envelopePreview = nullptr;

private:
    void createMainPanel(QWidget *client);
    void createImporterPanel();
    void createHiddenControls(QWidget *client);
    void createFontPanel(QWidget *client);
    void createSaveAsPanel(QWidget *client);
    void createMenus(QMainWindow *window);
    void setFocusOrder(QWidget *window);
    void fitHeadingLabels();
};
