// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include "addressbook/addresslistmodel.h"
#include "app/accessiblenames.h"
#include "app/addresslistview.h"
#include "app/addresstextbox.h"
#include "app/headinglabel.h"
#include "app/icon.h"
#include "app/sortedcombobox.h"
#include "importer/samples.h"
#include "platform/appcontrol.h"
#include "platform/messagebox.h"
#include "platform/settingsbackend.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <limits>
#include <map>

namespace {

// The window was designed in twips; at 96 dots per inch a pixel is 15.
constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return twips / kTwipsPerPixel; }

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

HeadingLabel *makeLabel(QWidget *parent, const QString &text, int left, int top, int width, int height)
{
    auto *label = new HeadingLabel(text, parent);
    place(label, left, top, width, height);
    label->lower();
    return label;
}

QString spaces(int n) { return QString(n, u' '); }

} // namespace

Form1::Form1(const Form1Services &services, QWidget *parent)
    : QMainWindow(parent),
      m_services(services),
      m_store(services.settings,
              [this] {
                  m_services.messages.warning(
                      tr("Quillon cannot save your settings: the settings store cannot be written.\n"
                         "You can go on working, but what you type now will not come back at the next start."));
              })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Quillon 2.1 - By: Tarvik "));
    setWindowIcon(quillonIcon());
    createControls();
    createMenus();
    createEnvelopeWindows();
    connectReactions();
    setFocusOrder();
    fitHeadingLabels();
    nameForScreenReaders(*this);
    // The inner (client) area as designed: 12165 by 6120 twips.
    resize(px(12165), px(6120) + menuBar()->sizeHint().height());
}

Form1::~Form1() = default;

void Form1::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    auto named = [](auto *widget, const char *name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    auto textBox = [&](QWidget *parent, const char *name, int l, int t, int w, int h) {
        auto *box = named(new QLineEdit(parent), name);
        // Every field holds any length; Qt's default cap would cut a stored
        // value at start-up, and the change reaction store the cut value.
        box->setMaxLength(std::numeric_limits<int>::max());
        place(box, l, t, w, h);
        return box;
    };
    auto button = [&](QWidget *parent, const char *name, const QString &caption, int l, int t, int w, int h) {
        auto *b = named(new QPushButton(caption, parent), name);
        b->setAutoDefault(false);
        place(b, l, t, w, h);
        return b;
    };
    auto addressBox = [&](QWidget *parent, const char *name, int l, int t, int w, int h) {
        auto *box = named(new AddressTextBox(parent), name);
        place(box, l, t, w, h);
        return box;
    };

    // Main panel
    Label2 = named(makeLabel(client,
                             tr("From Addres:") + spaces(75) + tr("To Address:")
                                 + spaces(83) + tr("Saved Addresses:"),
                             120, 120, 11655, 975),
                   "Label2");
    TextReturn = addressBox(client, "TextReturn", 120, 360, 4215, 1575);
    TextToAddress = addressBox(client, "TextToAddress", 4440, 360, 4215, 1575);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(9.75);
    TextReturn->setFont(verdana);
    TextToAddress->setFont(verdana);
    List1 = named(new AddressListView(client), "List1");
    List1->setModel(m_book.model());
    place(List1, 9000, 360, 3015, 1635);
    Label5 = named(makeLabel(client,
                             tr("X:") + spaces(15) + tr("Y:") + spaces(48)
                                 + tr("X:") + spaces(15) + tr("Y:"),
                             360, 2040, 5535, 255),
                   "Label5");
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPointSizeF(9.75);
    labelFont.setBold(true);
    Label5->setFont(labelFont);
    TextReturnOffX = textBox(client, "TextReturnOffX", 600, 2040, 615, 285);
    TextReturnOffY = textBox(client, "TextReturnOffY", 1680, 2040, 615, 285);
    TextAddressToOffX = textBox(client, "TextAddressToOffX", 4800, 2040, 615, 285);
    TextAddressToOffY = textBox(client, "TextAddressToOffY", 5880, 2040, 615, 285);
    TextReturnOffX->setText(QStringLiteral("2"));
    TextReturnOffY->setText(QStringLiteral("2.5"));
    TextAddressToOffX->setText(QStringLiteral("15"));
    TextAddressToOffY->setText(QStringLiteral("10"));
    CommandKeepToAddress = button(client, "CommandKeepToAddress", tr("Save Address"), 7440, 2040, 1215, 255);
    CommandSelectAll = button(client, "CommandSelectAll", tr("Select All"), 9000, 2160, 1455, 375);
    CommandClearData = button(client, "CommandClearData", tr("Clear Selected"), 10560, 2160, 1455, 375);
    CommandPrint = button(client, "CommandPrint", tr("Print"), 240, 2400, 4095, 615);
    CommandClear = button(client, "CommandClear", tr("Clear"), 4560, 2400, 4095, 615);
    CommandPrintAll = button(client, "CommandPrintAll", tr("Print All Selected Address"), 9000, 2640, 3015, 375);
    FrameAddressImporter = named(new QGroupBox(tr("Address Importer"), client), "FrameAddressImporter");
    place(FrameAddressImporter, 120, 3120, 11895, 2775);

    // Importer panel
    QWidget *importer = FrameAddressImporter;
    TextImport = addressBox(importer, "TextImport", 120, 240, 9495, 1935);
    TextImport->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont sansSerif(QStringLiteral("MS Sans Serif"));
    sansSerif.setPointSizeF(9.75);
    TextImport->setFont(sansSerif);
    Label1 = named(makeLabel(importer, tr("Line Delimiter"), 9720, 360, 1215, 495), "Label1");
    ComboLine = named(new SortedComboBox(importer), "ComboLine");
    place(ComboLine, 9720, 600, 1935, 315);
    ComboLine->setText(QStringLiteral("[TAB]"));
    Label8 = named(makeLabel(importer, tr("Specify:"), 9720, 960, 1215, 255), "Label8");
    TextLineD = textBox(importer, "TextLineD", 10560, 960, 1095, 285);
    Label4 = named(makeLabel(importer, tr("Address Delimiter"), 9720, 1440, 1215, 495), "Label4");
    ComboAddress = named(new SortedComboBox(importer), "ComboAddress");
    place(ComboAddress, 9720, 1680, 1935, 315);
    ComboAddress->setText(QStringLiteral("[LINE RETURN]"));
    Label14 = named(makeLabel(importer, tr("Specify:"), 9720, 2040, 1215, 255), "Label14");
    TextAddressD = textBox(importer, "TextAddressD", 10560, 2040, 1095, 285);
    CommandImport = button(importer, "CommandImport", tr("Import Addresses"), 240, 2280, 4095, 375);
    CommandClearImport = button(importer, "CommandClearImport", tr("Clear Addresses"), 4560, 2280, 4095, 375);

    // Never shown: the sample texts' holders and two buttons without use.
    Text2 = addressBox(client, "Text2", 1320, 2400, 3735, 495);
    Text5 = addressBox(client, "Text5", 5160, 2400, 3735, 495);
    Text2->setText(kSample1.text.toString());
    Text5->setText(kSample2.text.toString());
    CommandShowGrid = button(client, "CommandShowGrid", tr("Show Grid"), 9840, 5520, 1695, 255);
    CommandTakeAddress = button(client, "CommandTakeAddress", QStringLiteral("< -"), 8760, 600, 495, 375);
    for (QWidget *hidden : std::initializer_list<QWidget *>{Text2, Text5, CommandShowGrid, CommandTakeAddress})
        hidden->hide();

    // Font panel, in front of the address boxes while shown
    FrameFontOptions = named(new QGroupBox(tr("Font Settings"), client), "FrameFontOptions");
    place(FrameFontOptions, 120, 120, 6135, 2295);
    FrameFontOptions->setAutoFillBackground(true);
    QWidget *fonts = FrameFontOptions;
    // Four rows: a heading label with a size box and a face box over it.
    struct FontRow
    {
        HeadingLabel *&label;
        const char *labelName;
        const char *heading;
        int gap;
        int top;
        int labelWidth;
        QLineEdit *&size;
        const char *sizeName;
        QLineEdit *&face;
        const char *faceName;
    };
    const FontRow rows[] = {
        {LabelRAPrint, "LabelRAPrint", QT_TR_NOOP("Return Address Display Font Size:"), 22, 240, 4455,
         TextReturnDisplayFontSite, "TextReturnDisplayFontSite", TextReturnDisplayFontType, "TextReturnDisplayFontType"},
        {LabelFontRAPrint, "LabelFontRAPrint", QT_TR_NOOP("Return Address Print Font Size:"), 26, 600, 5655,
         TextReturnPrintFontSize, "TextReturnPrintFontSize", TextReturnPrintFonttype, "TextReturnPrintFonttype"},
        {LabelAddressDisplay, "LabelAddressDisplay", QT_TR_NOOP("To Address Display Font Size:"), 28, 960, 5535,
         TextToAddressDisplaySize, "TextToAddressDisplaySize", TextToAddressDisplayType, "TextToAddressDisplayType"},
        {LabelAddressPrint, "LabelAddressPrint", QT_TR_NOOP("To Address Print Font Size:"), 33, 1320, 5655,
         TextToAddressPrintFontSize, "TextToAddressPrintFontSize", TextToAddressPrintFontType, "TextToAddressPrintFontType"},
    };
    for (const FontRow &row : rows) {
        const QString text = tr(row.heading) + spaces(row.gap) + tr("Font Type:");
        row.label = named(makeLabel(fonts, text, 240, row.top, row.labelWidth, 255), row.labelName);
        row.size = textBox(fonts, row.sizeName, 2760, row.top, 495, 285);
        row.face = textBox(fonts, row.faceName, 4560, row.top, 1335, 285);
    }
    CommandHide = button(fonts, "CommandHide", tr("Hide Settings"), 1080, 1800, 1815, 375);
    CommandDefaultSettings = button(fonts, "CommandDefaultSettings", tr("Default Font Settings"), 3120, 1800, 1815, 375);
    FrameFontOptions->hide();

    // Save-as panel
    Frame1 = named(new QGroupBox(tr("Save Addresses As"), client), "Frame1");
    place(Frame1, 120, 120, 3735, 1335);
    Frame1->setAutoFillBackground(true);
    Text1 = textBox(Frame1, "Text1", 480, 480, 2775, 285);
    Command1 = button(Frame1, "Command1", tr("Save"), 600, 840, 1095, 255);
    Command2 = button(Frame1, "Command2", tr("Cancel It"), 1800, 840, 1095, 255);
    Frame1->hide();

    // Frames and buttons lie in front of the labels; the two panels of the
    // top-left corner in front of everything.
    Label2->lower();
    Label5->lower();
    FrameFontOptions->raise();
    Frame1->raise();
}

void Form1::createMenus()
{
    // An ampersand marks the access key (Alt+F opens File); the style
    // underlines that letter and shows the caption's text unchanged.
    auto item = [](QMenu *menu, const QString &caption, const char *name) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    MFile = menuBar()->addMenu(tr("&File"));
    MFile->setObjectName(QStringLiteral("MFile"));
    HelpM = item(MFile, tr("&Help"), "HelpM");
    separator(MFile, "qqqqqqqqqqqqqqqqqqq");
    SaveMenu = item(MFile, tr("&Save"), "SaveMenu");
    SaveMenuAs = item(MFile, tr("Save Addresses &As"), "SaveMenuAs");
    ImportMenu = item(MFile, tr("&Import Addresses"), "ImportMenu");
    separator(MFile, "qqqqqqqqqqqqq");
    CustomProgrammingMenu = item(MFile, tr("&Custom Programming"), "CustomProgrammingMenu");
    SuggestionsMenu = item(MFile, tr("S&uggestions"), "SuggestionsMenu");
    separator(MFile, "qqqqqqqqqqqqqqqq");
    Sample1Menu = item(MFile, tr("Sample &1"), "Sample1Menu");
    Sample2Menu = item(MFile, tr("Sample &2"), "Sample2Menu");
    separator(MFile, "fillllllllllllllllllller");
    ExitM = item(MFile, tr("E&xit"), "ExitM");

    MOptions = menuBar()->addMenu(tr("&Options"));
    MOptions->setObjectName(QStringLiteral("MOptions"));
    FontSettingsM = item(MOptions, tr("&Font Settings"), "FontSettingsM");
    RestoreDefaultSettingsM = item(MOptions, tr("&Restore Default Settings"), "RestoreDefaultSettingsM");
    EnvelopeM = item(MOptions, tr("&Envelope..."), "EnvelopeM");
    EnvelopePreviewM = item(MOptions, tr("Envelope &Preview"), "EnvelopePreviewM");

    MHelp = menuBar()->addMenu(tr("&Help"));
    MHelp->setObjectName(QStringLiteral("MHelp"));
    AboutMMMM = item(MHelp, tr("&About"), "AboutMMMM");
    HelpMMMM = item(MHelp, tr("&Help"), "HelpMMMM");

    SaveMenu->setShortcut(QKeySequence::Save);
    // Print has no menu item: the window itself takes Ctrl+P.
    auto *printKey = new QAction(this);
    printKey->setShortcut(QKeySequence::Print);
    addAction(printKey);
    connect(printKey, &QAction::triggered, this, &Form1::CommandPrint_Click);
}

void Form1::connectReactions()
{
    const std::pair<AddressTextBox *, void (Form1::*)()> addressBoxes[] = {
        {TextReturn, &Form1::TextReturn_Change},
        {TextToAddress, &Form1::TextToAddress_Change},
        {TextImport, &Form1::TextImport_Change},
    };
    for (const auto &[box, reaction] : addressBoxes)
        connect(box, &AddressTextBox::changed, this, reaction);

    const std::pair<QLineEdit *, void (Form1::*)()> lineBoxes[] = {
        {TextReturnOffX, &Form1::TextReturnOffX_Change},
        {TextReturnOffY, &Form1::TextReturnOffY_Change},
        {TextAddressToOffX, &Form1::TextAddressToOffX_Change},
        {TextAddressToOffY, &Form1::TextAddressToOffY_Change},
        {TextLineD, &Form1::TextLineD_Change},
        {TextAddressD, &Form1::TextAddressD_Change},
        {TextReturnDisplayFontSite, &Form1::TextReturnDisplayFontSite_Change},
        {TextReturnDisplayFontType, &Form1::TextReturnDisplayFontType_Change},
        {TextToAddressDisplaySize, &Form1::TextToAddressDisplaySize_Change},
        {TextToAddressDisplayType, &Form1::TextToAddressDisplayType_Change},
        {TextReturnPrintFontSize, &Form1::TextReturnPrintFontSize_Change},
        {TextReturnPrintFonttype, &Form1::TextReturnPrintFonttype_Change},
        {TextToAddressPrintFontSize, &Form1::TextToAddressPrintFontSize_Change},
        {TextToAddressPrintFontType, &Form1::TextToAddressPrintFontType_Change},
    };
    for (const auto &[box, reaction] : lineBoxes)
        connect(box, &QLineEdit::textChanged, this, reaction);

    connect(ComboLine, &QComboBox::editTextChanged, this, &Form1::ComboLine_Change);
    connect(ComboLine, &QComboBox::activated, this, &Form1::ComboLine_Click);
    connect(ComboLine, &SortedComboBox::lostFocus, this, &Form1::ComboLine_LostFocus);
    connect(ComboAddress, &QComboBox::editTextChanged, this, &Form1::ComboAddress_Change);
    connect(ComboAddress, &QComboBox::activated, this, &Form1::ComboAddress_Click);
    connect(ComboAddress, &SortedComboBox::lostFocus, this, &Form1::ComboAddress_LostFocus);

    const std::pair<QPushButton *, void (Form1::*)()> buttons[] = {
        {CommandKeepToAddress, &Form1::CommandKeepToAddress_Click},
        {CommandSelectAll, &Form1::CommandSelectAll_Click},
        {CommandClearData, &Form1::CommandClearData_Click},
        {CommandPrint, &Form1::CommandPrint_Click},
        {CommandClear, &Form1::CommandClear_Click},
        {CommandPrintAll, &Form1::CommandPrintAll_Click},
        {CommandImport, &Form1::CommandImport_Click},
        {CommandClearImport, &Form1::CommandClearImport_Click},
        {CommandHide, &Form1::CommandHide_Click},
        {CommandDefaultSettings, &Form1::CommandDefaultSettings_Click},
        {Command1, &Form1::Command1_Click},
        {Command2, &Form1::Command2_Click},
        {CommandShowGrid, &Form1::CommandShowGrid_Click},
    };
    for (const auto &[b, reaction] : buttons)
        connect(b, &QPushButton::clicked, this, reaction);

    const std::pair<QAction *, void (Form1::*)()> items[] = {
        {HelpM, &Form1::HelpM_Click},
        {SaveMenu, &Form1::SaveMenu_Click},
        {SaveMenuAs, &Form1::SaveMenuAs_Click},
        {ImportMenu, &Form1::ImportMenu_Click},
        {CustomProgrammingMenu, &Form1::CustomProgrammingMenu_Click},
        {SuggestionsMenu, &Form1::SuggestionsMenu_Click},
        {Sample1Menu, &Form1::Sample1Menu_Click},
        {Sample2Menu, &Form1::Sample2Menu_Click},
        {ExitM, &Form1::ExitM_Click},
        {FontSettingsM, &Form1::FontSettingsM_Click},
        {RestoreDefaultSettingsM, &Form1::RestoreDefaultSettingsM_Click},
        {AboutMMMM, &Form1::AboutMMMM_Click},
        {HelpMMMM, &Form1::HelpMMMM_Click},
    };
    for (const auto &[action, reaction] : items)
        connect(action, &QAction::triggered, this, reaction);

    connect(List1, &QListView::clicked, this, &Form1::List1_Click);
}

void Form1::setFocusOrder()
{
    // The design's Tab column; labels, frames and hidden controls are
    // passed over by the toolkit itself.
    const std::map<int, QWidget *> order = {
        {0, TextReturn}, {1, TextToAddress}, {2, CommandPrint}, {3, CommandClear}, {4, List1},
        {5, CommandKeepToAddress}, {6, CommandPrintAll}, {7, CommandTakeAddress}, {8, TextReturnOffX},
        {9, TextReturnOffY}, {10, TextAddressToOffX}, {11, TextAddressToOffY}, {13, CommandSelectAll},
        {14, CommandClearData}, {16, CommandClearImport}, {17, TextAddressD}, {18, TextLineD},
        {19, ComboAddress}, {20, ComboLine}, {21, CommandImport}, {22, TextImport},
        {28, TextReturnDisplayFontSite}, {29, TextToAddressDisplaySize}, {30, TextToAddressPrintFontSize},
        {31, TextToAddressPrintFontType}, {36, CommandHide}, {37, CommandDefaultSettings},
        {38, TextReturnPrintFontSize}, {39, TextReturnDisplayFontType}, {40, TextReturnPrintFonttype},
        {41, TextToAddressDisplayType}, {42, CommandShowGrid}, {46, Text1}, {47, Command1},
        {48, Command2}, {49, Text2}, {50, Text5},
    };
    QWidget *previous = nullptr;
    for (const auto &[tab, widget] : order) {
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void Form1::fitHeadingLabels()
{
    // Slots in the window's twips: where each heading starts and the edge
    // it must not pass (the next box).
    auto places = [](int labelLeft, std::initializer_list<std::pair<int, int>> twips) {
        QList<HeadingLabel::Slot> result;
        for (const auto &[start, end] : twips)
            result.append({px(start - labelLeft), px(end - labelLeft)});
        return result;
    };
    // Over the return box, the to-address box and the list.
    Label2->setSlots(places(120, {{120, 4440}, {4440, 9000}, {9000, 11775}}));
    // Each offset heading stands just before its box.
    Label5->setSlots(places(360, {{360, 600}, {1380, 1680}, {4500, 4800}, {5580, 5880}}));
    // The size heading before the size box, "Font Type:" between the boxes.
    // The four rows of the font panel read alike: all take the smallest
    // font any of them needs.
    const std::initializer_list<HeadingLabel *> fontRows = {LabelRAPrint, LabelFontRAPrint, LabelAddressDisplay,
                                                             LabelAddressPrint};
    QFont rowFont = LabelRAPrint->font();
    for (HeadingLabel *label : fontRows) {
        label->setSlots(places(240, {{240, 2760}, {3300, 4560}}));
        if (label->fittedFont().pointSizeF() < rowFont.pointSizeF() || label == LabelRAPrint)
            rowFont = label->fittedFont();
    }
    for (HeadingLabel *label : fontRows)
        label->setFont(rowFont);

    // A caption wider than its button is drawn condensed rather than cut.
    for (QPushButton *button : findChildren<QPushButton *>()) {
        if (button->fontMetrics().horizontalAdvance(button->text()) > button->width() - 8) {
            QFont condensed = button->font();
            condensed.setStretch(QFont::Condensed);
            button->setFont(condensed);
        }
    }
}

void Form1::assignField(Setting setting, const QString &text)
{
    switch (setting) {
    case Setting::ReturnAddress: TextReturn->setText(text); break;
    case Setting::ToAddress: TextToAddress->setText(text); break;
    case Setting::ReturnOffsetX: TextReturnOffX->setText(text); break;
    case Setting::ReturnOffsetY: TextReturnOffY->setText(text); break;
    case Setting::ToAddressOffsetX: TextAddressToOffX->setText(text); break;
    case Setting::ToAddressOffsetY: TextAddressToOffY->setText(text); break;
    case Setting::ImportText: TextImport->setText(text); break;
    case Setting::LineDelimiter: ComboLine->setText(text); break;
    case Setting::AddressDelimiter: ComboAddress->setText(text); break;
    case Setting::CustomLineDelimiter: TextLineD->setText(text); break;
    case Setting::CustomAddressDelimiter: TextAddressD->setText(text); break;
    case Setting::ToAddressPrintFont: TextToAddressPrintFontType->setText(text); break;
    case Setting::ReturnDisplayFontSize: TextReturnDisplayFontSite->setText(text); break;
    case Setting::ReturnDisplayFont: TextReturnDisplayFontType->setText(text); break;
    case Setting::ReturnPrintFontSize: TextReturnPrintFontSize->setText(text); break;
    case Setting::ToAddressDisplayFontSize: TextToAddressDisplaySize->setText(text); break;
    case Setting::ToAddressPrintFontSize: TextToAddressPrintFontSize->setText(text); break;
    case Setting::ReturnPrintFont: TextReturnPrintFonttype->setText(text); break;
    case Setting::ToAddressDisplayFont: TextToAddressDisplayType->setText(text); break;
    default: assignEnvelopeSetting(setting, text); break;
    }
}

void Form1::Form_Load()
{
    // Each assignment runs its field's change reaction, which stores the
    // value again and applies the display fonts.
    for (const SettingKey &key : kSettingKeys)
        assignField(key.setting, m_store.read(key.setting));
    fillDelimiterLists();
    ImportingFile();

    const QString problem = m_services.settings.openingProblem();
    if (!problem.isEmpty())
        m_services.messages.warning(problem);
}

void Form1::fillDelimiterLists()
{
    for (const char *item : {"[TAB]", "|", "[BLANK LINE]", "[LINE BREAK]", ",", "-Other-"})
        ComboAddress->AddItem(QString::fromLatin1(item));
    for (const char *item : {"-Other-", "[TAB]", "[LINE BREAK]", ",", "|"})
        ComboLine->AddItem(QString::fromLatin1(item));
}

void Form1::Form_Resize()
{
    // The window's outer width, frame included, less the list's left edge
    // and a 350-twip margin; a negative width leaves the list as it was.
    const int windowTwips = frameGeometry().width() * kTwipsPerPixel;
    const int width = windowTwips - 9000 - 350;
    if (width < 0 || isMinimized())
        return;
    List1->resize(qRound(width / double(kTwipsPerPixel)), List1->height());
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    Form_Resize();
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing is never refused; the program ends with the window.
    event->accept();
    endProgram();
}

void Form1::ExitM_Click()
{
    endProgram();
}

void Form1::endProgram()
{
    if (m_ending)
        return;
    // Loops that run pending events look at this flag and stop; no change
    // reaction stores anything from here on.
    m_ending = true;
    m_store.freeze();
    hide();
    m_services.app.quit();
}

void Form1::FontSettingsM_Click()
{
    // Chosen while the panel is shown, it changes nothing: it must not come
    // up over the Save-As panel.
    if (!FrameFontOptions->isHidden())
        return;
    FrameFontOptions->show();
    FrameFontOptions->raise();
}

void Form1::CommandHide_Click()
{
    FrameFontOptions->hide();
}

void Form1::CommandShowGrid_Click()
{
    // The design gives this hidden button no behaviour.
}
