// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form1.h"

#include "addressbook/addresslistmodel.h"
#include "addressbook/booktexts.h"
#include "app/accessiblenames.h"
#include "app/addresstextbox.h"
#include "app/bookeditflow.h"
#include "app/contactdrops.h"
#include "app/contactsflow.h"
#include "app/envelopesetupflow.h"
#include "app/manualflow.h"
#include "app/printingflow.h"
#include "app/sortedcombobox.h"
#include "platform/appcontrol.h"
#include "platform/filedialogs.h"
#include "platform/messagebox.h"
#include "platform/settingsbackend.h"
#include "printing/envelope.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>

#include <utility>

Form1::Form1(const Form1Services &services, QWidget *parent)
    : QMainWindow(parent),
      m_services(services),
      m_store(services.settings, [this] {
          m_messages.tell(BookMessage::Warning,
                          tr("Quillon cannot save your settings: the settings store cannot be written.\n"
                             "You can go on working, but what you type now will not come back at the next start."));
      })
{
    setupUi(this, m_services.pages);
    List1->setModel(m_book.model());
    m_envelope =
        new EnvelopeSetupFlow({*this, m_services.pages, [this](Setting s, const QString &t) { storeField(s, t); },
                               [this] { return ending(); }, [this] { m_printing->printTest(); }},
                              this);
    m_printing = new PrintingFlow({this, *this, m_services, *addressBook(), [this] { return m_envelope->fields(); },
                                   [this] { return ending(); }, [this]() -> FileDialogs & { return fileDialogs(); },
                                   [this](int seconds) { Sleep1(seconds); }},
                                  this);
    persistFields();
    connectButtons();
    connectMenus();
    nameForScreenReaders(*this);
    m_contacts = new ContactsFlow(
        {this, m_services.messages, [this] { m_services.events.processEvents(); }, [this] { return ending(); },
         *addressBook(), [this]() -> FileDialogs & { return fileDialogs(); },
         [this] { return m_store.read(Setting::ContactColumns); },
         [this](const QString &columns) { storeField(Setting::ContactColumns, columns); }, m_history,
         [this](const QStringList &entries) { return addToAddressBook(entries); }, [this] { SaveFile(); }},
        this);
    connect(new ContactDrops(this), &ContactDrops::dropped, this, &Form1::importContacts);
    m_manual = new ManualFlow(this, ManualM, m_services.shell, m_services.messages);
    new BookEditFlow({this, MOptions, List1, m_book, m_history, m_messages,
                      [this](const QString &entry) { m_printing->printEntry(entry); }},
                     this);
}

Form1::~Form1()
{
    // The print server's answers may outlive the window.
    if (m_services.pages)
        m_services.pages->setChangeHandler({});
}

void Form1::connectButtons()
{
    const std::pair<QPushButton *, Reaction> buttons[] = {
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
    connect(List1, &QListView::clicked, this, &Form1::List1_Click);
}

void Form1::connectMenus()
{
    const std::pair<QAction *, Reaction> items[] = {
        {HelpM, &Form1::HelpM_Click},
        {SaveMenu, &Form1::SaveMenu_Click},
        {SaveMenuAs, &Form1::SaveMenuAs_Click},
        {ImportMenu, &Form1::ImportMenu_Click},
        {ImportContactsMenu, &Form1::ImportContactsMenu_Click},
        {ExportContactsMenu, &Form1::ExportContactsMenu_Click},
        {SavePdfMenu, &Form1::SavePdfMenu_Click},
        {CustomProgrammingMenu, &Form1::CustomProgrammingMenu_Click},
        {SuggestionsMenu, &Form1::SuggestionsMenu_Click},
        {Sample1Menu, &Form1::Sample1Menu_Click},
        {Sample2Menu, &Form1::Sample2Menu_Click},
        {ExitM, &Form1::ExitM_Click},
        {FontSettingsM, &Form1::FontSettingsM_Click},
        {RestoreDefaultSettingsM, &Form1::RestoreDefaultSettingsM_Click},
        {AboutMMMM, &Form1::AboutMMMM_Click},
        {HelpMMMM, &Form1::HelpMMMM_Click},
        {PrintKey, &Form1::CommandPrint_Click},
        {EnvelopeM, &Form1::EnvelopeM_Click},
        {EnvelopePreviewM, &Form1::EnvelopePreviewM_Click},
    };
    for (const auto &[action, reaction] : items)
        connect(action, &QAction::triggered, this, reaction);
}

void Form1::Form_Load()
{
    m_messages.setHolding(true);
    // Each assignment runs its field's change reaction, which stores the
    // value again and applies the display fonts.
    for (const SettingKey &key : kSettingKeys)
        assignField(key.setting, m_store.read(key.setting));
    fillDelimiterLists();
    ImportingFile();

    const QString problem = m_services.settings.openingProblem();
    if (!problem.isEmpty())
        m_messages.tell(BookMessage::Warning, problem);
    m_messages.setHolding(false);
    if (m_shown)
        m_messages.showHeld();
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
    // Once the window is on its way to the screen: the boxes come up over it.
    if (!std::exchange(m_shown, true))
        QTimer::singleShot(0, this, [this] { m_messages.showHeld(); });
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing is refused only to keep an address book that could not be saved.
    if (endProgram())
        event->accept();
    else
        event->ignore();
}

void Form1::ExitM_Click()
{
    endProgram();
}

bool Form1::mayEnd()
{
    if (m_leaveUnsaved || !m_book.lastSaveFailed())
        return true;
    // Once more: the disk may have room now, the other copy be done.
    const BookResult retried = m_book.save();
    if (retried.status == BookResult::Done)
        return true;
    QStringList said;
    for (const BookMessage &message : retried.messages)
        said << message.text;
    said << BookTexts::quitWithoutSaving();
    m_leaveUnsaved = m_services.messages.askYesNo(said.join(QStringLiteral("\n\n")));
    return m_leaveUnsaved;
}

bool Form1::endProgram()
{
    if (m_ending)
        return true;
    if (!mayEnd())
        return false;
    // Loops that run pending events look at this flag and stop; no change
    // reaction stores anything from here on.
    m_ending = true;
    m_store.freeze();
    hide();
    m_services.app.quit();
    return true;
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
    // A hidden button that never shows: clicking it does nothing.
}
