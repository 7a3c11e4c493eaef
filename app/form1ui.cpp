// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1ui.h"

#include "app/addresslistview.h"
#include "app/addresstextbox.h"
#include "app/envelopepreview.h"
#include "app/envelopesetupdialog.h"
#include "app/headinglabel.h"
#include "app/icon.h"
#include "app/sortedcombobox.h"
#include "importer/samples.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <map>

namespace {

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(Form1Ui::px(left), Form1Ui::px(top), Form1Ui::px(width), Form1Ui::px(height));
}

template <typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

HeadingLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width,
                        int height)
{
    auto *label = named(new HeadingLabel(text, parent), name);
    place(label, left, top, width, height);
    label->lower();
    return label;
}

QLineEdit *textBox(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *box = named(new QLineEdit(parent), name);
    // As long as the store keeps for a one-line field, which sets a longer
    // stored value aside whole: Qt's lower default would cut a stored value
    // at start-up, and the change reaction store the cut value.
    box->setMaxLength(kLongestLine);
    place(box, left, top, width, height);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height)
{
    auto *b = named(new QPushButton(caption, parent), name);
    b->setAutoDefault(false);
    place(b, left, top, width, height);
    return b;
}

AddressTextBox *addressBox(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *box = named(new AddressTextBox(parent), name);
    place(box, left, top, width, height);
    return box;
}

QGroupBox *panel(QWidget *parent, const char *name, const QString &title, int left, int top, int width, int height)
{
    auto *frame = named(new QGroupBox(title, parent), name);
    place(frame, left, top, width, height);
    return frame;
}

SortedComboBox *comboBox(QWidget *parent, const char *name, const QString &text, int top)
{
    auto *combo = named(new SortedComboBox(parent), name);
    place(combo, 9720, top, 1935, 315);
    combo->setText(text);
    return combo;
}

QFont designFont(const char *face, bool bold = false)
{
    QFont font(QString::fromLatin1(face));
    font.setPointSizeF(9.75);
    if (bold)
        font.setBold(true);
    return font;
}

QString spaces(int n)
{
    return QString(n, u' ');
}

// A caption wider than its button is drawn condensed rather than cut; the
// envelope windows, made by then, are the window's children too.
// The window's own buttons, which keep their fixed sizes; the envelope
// windows lay theirs out to fit.
void condenseWideCaptions(QMainWindow *window)
{
    for (QPushButton *button : window->centralWidget()->findChildren<QPushButton *>()) {
        if (button->fontMetrics().horizontalAdvance(button->text()) > button->width() - 8) {
            QFont condensed = button->font();
            condensed.setStretch(QFont::Condensed);
            button->setFont(condensed);
        }
    }
}

} // namespace

void Form1Ui::setupUi(QMainWindow *window, PageSource *pages)
{
    window->setObjectName(QStringLiteral("Form1"));
    window->setWindowTitle(tr("Quillon 2.1 - By: Tarvik "));
    window->setWindowIcon(quillonIcon());
    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    window->setCentralWidget(client);
    createMainPanel(client);
    createImporterPanel();
    createHiddenControls(client);
    createFontPanel(client);
    createSaveAsPanel(client);
    // Frames and buttons lie in front of the labels; the two panels of the
    // top-left corner in front of everything.
    Label2->lower();
    Label5->lower();
    FrameFontOptions->raise();
    Frame1->raise();

    createMenus(window);
    envelopeSetup = new EnvelopeSetupDialog(window);
    envelopePreview = new EnvelopePreview(pages, window);
    setFocusOrder(window);
    fitHeadingLabels();
    condenseWideCaptions(window);
    // The inner (client) area: 12165 by 6120 twips.
    window->resize(px(12165), px(6120) + window->menuBar()->sizeHint().height());
}

void Form1Ui::createMainPanel(QWidget *client)
{
    Label2 = makeLabel(client, "Label2",
                       tr("From Addres:") + spaces(75) + tr("To Address:") + spaces(83) + tr("Saved Addresses:"), 120,
                       120, 11655, 975);
    TextReturn = addressBox(client, "TextReturn", 120, 360, 4215, 1575);
    TextToAddress = addressBox(client, "TextToAddress", 4440, 360, 4215, 1575);
    TextReturn->setFont(designFont("Verdana"));
    TextToAddress->setFont(designFont("Verdana"));
    List1 = named(new AddressListView(client), "List1");
    place(List1, 9000, 360, 3015, 1635);
    Label5 =
        makeLabel(client, "Label5", tr("X:") + spaces(15) + tr("Y:") + spaces(48) + tr("X:") + spaces(15) + tr("Y:"),
                  360, 2040, 5535, 255);
    Label5->setFont(designFont("MS Sans Serif", true));
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
    FrameAddressImporter = panel(client, "FrameAddressImporter", tr("Address Importer"), 120, 3120, 11895, 2775);
}

void Form1Ui::createImporterPanel()
{
    QWidget *importer = FrameAddressImporter;
    TextImport = addressBox(importer, "TextImport", 120, 240, 9495, 1935);
    TextImport->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    TextImport->setFont(designFont("MS Sans Serif"));
    Label1 = makeLabel(importer, "Label1", tr("Line Delimiter"), 9720, 360, 1215, 495);
    ComboLine = comboBox(importer, "ComboLine", QStringLiteral("[TAB]"), 600);
    Label8 = makeLabel(importer, "Label8", tr("Specify:"), 9720, 960, 1215, 255);
    TextLineD = textBox(importer, "TextLineD", 10560, 960, 1095, 285);
    Label4 = makeLabel(importer, "Label4", tr("Address Delimiter"), 9720, 1440, 1215, 495);
    ComboAddress = comboBox(importer, "ComboAddress", QStringLiteral("[LINE RETURN]"), 1680);
    Label14 = makeLabel(importer, "Label14", tr("Specify:"), 9720, 2040, 1215, 255);
    TextAddressD = textBox(importer, "TextAddressD", 10560, 2040, 1095, 285);
    CommandImport = button(importer, "CommandImport", tr("Import Addresses"), 240, 2280, 4095, 375);
    CommandClearImport = button(importer, "CommandClearImport", tr("Clear Addresses"), 4560, 2280, 4095, 375);
}

void Form1Ui::createHiddenControls(QWidget *client)
{
    // The sample texts' holders and two buttons without use.
    Text2 = addressBox(client, "Text2", 1320, 2400, 3735, 495);
    Text5 = addressBox(client, "Text5", 5160, 2400, 3735, 495);
    Text2->setText(kSample1.text.toString());
    Text5->setText(kSample2.text.toString());
    CommandShowGrid = button(client, "CommandShowGrid", tr("Show Grid"), 9840, 5520, 1695, 255);
    CommandTakeAddress = button(client, "CommandTakeAddress", QStringLiteral("< -"), 8760, 600, 495, 375);
    for (QWidget *hidden : std::initializer_list<QWidget *>{Text2, Text5, CommandShowGrid, CommandTakeAddress})
        hidden->hide();
}

void Form1Ui::createFontPanel(QWidget *client)
{
    // In front of the address boxes while shown.
    FrameFontOptions = panel(client, "FrameFontOptions", tr("Font Settings"), 120, 120, 6135, 2295);
    FrameFontOptions->setAutoFillBackground(true);
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
         TextReturnDisplayFontSite, "TextReturnDisplayFontSite", TextReturnDisplayFontType,
         "TextReturnDisplayFontType"},
        {LabelFontRAPrint, "LabelFontRAPrint", QT_TR_NOOP("Return Address Print Font Size:"), 26, 600, 5655,
         TextReturnPrintFontSize, "TextReturnPrintFontSize", TextReturnPrintFonttype, "TextReturnPrintFonttype"},
        {LabelAddressDisplay, "LabelAddressDisplay", QT_TR_NOOP("To Address Display Font Size:"), 28, 960, 5535,
         TextToAddressDisplaySize, "TextToAddressDisplaySize", TextToAddressDisplayType, "TextToAddressDisplayType"},
        {LabelAddressPrint, "LabelAddressPrint", QT_TR_NOOP("To Address Print Font Size:"), 33, 1320, 5655,
         TextToAddressPrintFontSize, "TextToAddressPrintFontSize", TextToAddressPrintFontType,
         "TextToAddressPrintFontType"},
    };
    QWidget *fonts = FrameFontOptions;
    for (const FontRow &row : rows) {
        const QString text = tr(row.heading) + spaces(row.gap) + tr("Font Type:");
        row.label = makeLabel(fonts, row.labelName, text, 240, row.top, row.labelWidth, 255);
        row.size = textBox(fonts, row.sizeName, 2760, row.top, 495, 285);
        row.face = textBox(fonts, row.faceName, 4560, row.top, 1335, 285);
    }
    CommandHide = button(fonts, "CommandHide", tr("Hide Settings"), 1080, 1800, 1815, 375);
    CommandDefaultSettings =
        button(fonts, "CommandDefaultSettings", tr("Default Font Settings"), 3120, 1800, 1815, 375);
    FrameFontOptions->hide();
}

void Form1Ui::createSaveAsPanel(QWidget *client)
{
    Frame1 = panel(client, "Frame1", tr("Save Addresses As"), 120, 120, 3735, 1335);
    Frame1->setAutoFillBackground(true);
    Text1 = textBox(Frame1, "Text1", 480, 480, 2775, 285);
    Command1 = button(Frame1, "Command1", tr("Save"), 600, 840, 1095, 255);
    Command2 = button(Frame1, "Command2", tr("Cancel It"), 1800, 840, 1095, 255);
    Frame1->hide();
}

void Form1Ui::createMenus(QMainWindow *window)
{
    // An ampersand marks the access key (Alt+F opens File); the style
    // underlines that letter and shows the caption's text unchanged.
    auto menu = [window](const QString &title, const char *name) {
        return named(window->menuBar()->addMenu(title), name);
    };
    auto item = [](QMenu *menu, const QString &caption, const char *name) {
        return named(menu->addAction(caption), name);
    };
    // The separators keep their fixed names; each line says what it separates.
    auto separator = [](QMenu *menu, const char *name) { named(menu->addSeparator(), name); };

    MFile = menu(tr("&File"), "MFile");
    HelpM = item(MFile, tr("&Help"), "HelpM");
    separator(MFile, "qqqqqqqqqqqqqqqqqqq"); // Help | the address book's files
    SaveMenu = item(MFile, tr("&Save"), "SaveMenu");
    SaveMenuAs = item(MFile, tr("Save Addresses &As"), "SaveMenuAs");
    ImportMenu = item(MFile, tr("&Import Addresses"), "ImportMenu");
    ImportContactsMenu = item(MFile, tr("Import C&ontacts..."), "ImportContactsMenu");
    ExportContactsMenu = item(MFile, tr("Expor&t Contacts..."), "ExportContactsMenu");
    SavePdfMenu = item(MFile, tr("Save &Envelopes as PDF..."), "SavePdfMenu");
    separator(MFile, "qqqqqqqqqqqqq"); // the files | the maker's pages
    CustomProgrammingMenu = item(MFile, tr("&Custom Programming"), "CustomProgrammingMenu");
    SuggestionsMenu = item(MFile, tr("S&uggestions"), "SuggestionsMenu");
    separator(MFile, "qqqqqqqqqqqqqqqq"); // the maker's pages | the importer's samples
    Sample1Menu = item(MFile, tr("Sample &1"), "Sample1Menu");
    Sample2Menu = item(MFile, tr("Sample &2"), "Sample2Menu");
    separator(MFile, "fillllllllllllllllllller"); // the samples | Exit
    ExitM = item(MFile, tr("E&xit"), "ExitM");

    MOptions = menu(tr("&Options"), "MOptions");
    FontSettingsM = item(MOptions, tr("&Font Settings"), "FontSettingsM");
    RestoreDefaultSettingsM = item(MOptions, tr("&Restore Default Settings"), "RestoreDefaultSettingsM");
    EnvelopeM = item(MOptions, tr("&Envelope..."), "EnvelopeM");
    EnvelopePreviewM = item(MOptions, tr("Envelope &Preview"), "EnvelopePreviewM");

    MHelp = menu(tr("&Help"), "MHelp");
    AboutMMMM = item(MHelp, tr("&About"), "AboutMMMM");
    HelpMMMM = item(MHelp, tr("&Help"), "HelpMMMM");
    ManualM = item(MHelp, tr("Quillon &Manual"), "ManualM");

    SaveMenu->setShortcut(QKeySequence::Save);
    PrintKey = new QAction(window);
    PrintKey->setShortcut(QKeySequence::Print);
    window->addAction(PrintKey);
}

void Form1Ui::setFocusOrder(QWidget *window)
{
    // Each control's place in the keyboard focus order, from 0; labels,
    // frames and hidden controls are passed over by the toolkit itself.
    const std::map<int, QWidget *> order = {
        {0, TextReturn},
        {1, TextToAddress},
        {2, CommandPrint},
        {3, CommandClear},
        {4, List1},
        {5, CommandKeepToAddress},
        {6, CommandPrintAll},
        {7, CommandTakeAddress},
        {8, TextReturnOffX},
        {9, TextReturnOffY},
        {10, TextAddressToOffX},
        {11, TextAddressToOffY},
        {13, CommandSelectAll},
        {14, CommandClearData},
        {16, CommandClearImport},
        {17, TextAddressD},
        {18, TextLineD},
        {19, ComboAddress},
        {20, ComboLine},
        {21, CommandImport},
        {22, TextImport},
        {28, TextReturnDisplayFontSite},
        {29, TextToAddressDisplaySize},
        {30, TextToAddressPrintFontSize},
        {31, TextToAddressPrintFontType},
        {36, CommandHide},
        {37, CommandDefaultSettings},
        {38, TextReturnPrintFontSize},
        {39, TextReturnDisplayFontType},
        {40, TextReturnPrintFonttype},
        {41, TextToAddressDisplayType},
        {42, CommandShowGrid},
        {46, Text1},
        {47, Command1},
        {48, Command2},
        {49, Text2},
        {50, Text5},
    };
    QWidget *previous = nullptr;
    for (const auto &[tab, widget] : order) {
        if (previous)
            window->setTabOrder(previous, widget);
        previous = widget;
    }
}

void Form1Ui::fitHeadingLabels()
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
}
