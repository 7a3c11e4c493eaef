// SPDX-License-Identifier: GPL-3.0-or-later
// The window: menus and keys, focus, headings, the resize rule, help, ending;
// what a screen reader reads: named controls, list entries, questions; and
// German or English texts.
#include "addressbook/addresslistmodel.h"
#include "app/addresstextbox.h"
#include "app/envelopesetupdialog.h"
#include "app/form1.h"
#include "app/headinglabel.h"
#include "app/sortedcombobox.h"
#include "app/translations.h"
#include "datarow.h"
#include "fakes/testservices.h"
#include "platform/qt/qtmessagebox.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>
#include <utility>

namespace {

QStringList captions(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        texts << action->text();
    return texts;
}

// The items as shown (no ampersand) with their shortcuts; each has its own
// access key within the menu.
void compareMenu(const QList<QAction *> &actions, const QStringList &expected)
{
    QStringList shown;
    QSet<QChar> keys;
    for (const QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QString text = action->text();
        if (text.contains(u'&'))
            keys.insert(text.at(text.indexOf(u'&') + 1).toLower());
        shown << (QString(text).remove(u'&') + QStringLiteral(" ") + action->shortcut().toString()).trimmed();
    }
    QCOMPARE(shown, expected);
    QCOMPARE(keys.size(), expected.size());
}

// What is read for a control: a label tied to it (not a panel around it),
// else its name; over AT-SPI a drop-down list's name is its text.
QString announced(QAccessibleInterface *control)
{
    auto *widget = qobject_cast<QWidget *>(control->object());
    for (const auto &[label, relation] : control->relations(QAccessible::Label))
        if (!widget || !qobject_cast<QWidget *>(label->object())->isAncestorOf(widget))
            return label->text(QAccessible::Name);
    return control->text(control->role() == QAccessible::ComboBox ? QAccessible::Value : QAccessible::Name);
}

// What is on screen under `node`, `node` included.
QList<QAccessibleInterface *> shown(QAccessibleInterface *node)
{
    if (!node || node->state().invisible)
        return {};
    QList<QAccessibleInterface *> found{node};
    for (int i = 0; i < node->childCount(); ++i)
        found << shown(node->child(i));
    return found;
}

} // namespace

class TestForm1Window : public QObject
{
    Q_OBJECT

private slots:
    // Every test starts with the window shown and active, over fresh fakes.
    void init()
    {
        m_fakes = std::make_unique<TestServices>();
        m_form = m_fakes->startActive();
    }
    void cleanup() { m_form.reset(), m_fakes.reset(); }

    void menusAndKeys()
    {
        // The icon is compiled into the program, in its three sizes.
        QCOMPARE(m_form->windowIcon().availableSizes().size(), 3);
        compareMenu(m_form->menuBar()->actions(), {"File", "Edit", "Options", "Help"});
        compareMenu(m_form->MFile->actions(),
                    {"Help", "Save Ctrl+S", "Save Addresses As", "Import Addresses", "Import Contacts...",
                     "Export Contacts...", "Save Envelopes as PDF...", "Custom Programming", "Suggestions", "Sample 1",
                     "Sample 2", "Exit"});
        compareMenu(m_form->MOptions->actions(),
                    {"Font Settings", "Restore Default Settings", "Envelope...", "Envelope Preview"});
        compareMenu(m_form->MHelp->actions(), {"About", "Help", "Quillon Manual F1"});
        compareMenu(m_form->findChild<QMenu *>("MEdit")->actions(),
                    {"Undo Ctrl+Z", "Redo Ctrl+Shift+Z", "Find in Addresses... Ctrl+F", "Find Next F3",
                     "Find Previous Shift+F3", "Edit Address... F2", "Remove Address Del", "Find Duplicates..."});

        m_form->TextToAddress->setText(QStringLiteral("To"));
        m_form->TextToAddress->setFocus();
        press(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_fakes->printer.sent.size(), 1);
        press(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_fakes->messages.texts(), QStringList{"Complete"});
        // Alt+F in an address box opens File instead of typing an "f".
        press(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(m_form->MFile->isVisible());
        QCOMPARE(m_form->TextToAddress->text(), QStringLiteral("To"));
    }

    // Qt moves the focus off a button it disables, onto the next control:
    // keys typed while the command runs, and the next Space, must not reach
    // what it moved onto ("Clear", the X offset box, "Clear Selected").
    void focusStaysOffTheFieldsWhileACommandRuns_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("userMovesFocus");
        QTest::newRow("Print") << "CommandPrint" << false;
        QTest::newRow("Print All") << "CommandPrintAll" << false;
        QTest::newRow("Select All") << "CommandSelectAll" << false;
        QTest::newRow("Print, focus moved meanwhile") << "CommandPrint" << true;
    }
    void focusStaysOffTheFieldsWhileACommandRuns()
    {
        QFETCH(QString, button);
        QFETCH(bool, userMovesFocus);
        m_form->addToAddressBook({QStringLiteral("A\r\n"), QStringLiteral("B\r\n")});
        m_form->addressBook()->tickAll();
        m_form->TextReturn->setText(QStringLiteral("From"));
        m_fakes->events.onProcess = [&, typed = false]() mutable {
            if (userMovesFocus)
                m_form->TextImport->setFocus();
            else if (!std::exchange(typed, true))
                press(Qt::Key_9), press(Qt::Key_Space);
        };
        auto *command = m_form->findChild<QPushButton *>(button);
        command->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), userMovesFocus ? static_cast<QWidget *>(m_form->TextImport) : command);
        const QString to = m_form->TextToAddress->text();
        const qsizetype sent = m_fakes->printer.sent.size();
        QVERIFY(sent > 0 || button == "CommandSelectAll");
        press(Qt::Key_Space);
        QCOMPARE(m_fakes->printer.sent.size(), userMovesFocus ? sent : sent * 2);
        QCOMPARE(m_form->TextReturn->text(), QStringLiteral("From"));
        QCOMPARE(m_form->TextToAddress->text(), to);
        QCOMPARE(m_form->TextReturnOffX->text(), QStringLiteral(".2"));
        QVERIFY(m_form->addressBook()->count() == 2 && m_fakes->messages.shown.isEmpty());
        QVERIFY(m_fakes->settings.writes.filter("TextReturnOffX").size() == 1); // start-up's own
    }

    // Print All's progress by keyboard alone: it appears without taking the
    // keyboard, named for a screen reader; Escape in the main window or in
    // it (F6 goes there), or Space on its Stop, ends the run after the
    // envelope sent, with no further pause, and the focus comes back.
    void printAllProgressByKeyboard_data()
    {
        QTest::addColumn<QList<int>>("keys"); // pressed in the first pause
        QTest::newRow("Escape in the main window") << QList<int>{Qt::Key_Escape};
        QTest::newRow("Escape in the progress window") << QList<int>{Qt::Key_F6, Qt::Key_Escape};
        QTest::newRow("Space on Stop") << QList<int>{Qt::Key_F6, Qt::Key_Space};
    }
    void printAllProgressByKeyboard()
    {
        QFETCH(QList<int>, keys);
        m_form->addToAddressBook({QStringLiteral("A\r\n"), QStringLiteral("B\r\n"), QStringLiteral("C\r\n")});
        m_form->addressBook()->tickAll();
        QStringList seen;
        m_fakes->events.onProcess = [&] {
            auto *progress = m_form->findChild<QWidget *>(QStringLiteral("PrintProgress"));
            if (m_fakes->events.waits.size() != 1 || !seen.isEmpty())
                return;
            QTest::qWait(50); // the platform's own events: it shows the window, may activate it
            seen << progress->accessibleName() << QApplication::activeWindow()->objectName();
            for (int key : keys) {
                press(key);
                if (key == Qt::Key_F6 && QTest::qWaitFor([&] { return QApplication::activeWindow() == progress; }))
                    seen << QApplication::focusWidget()->objectName();
            }
        };
        m_form->CommandPrintAll->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Space);
        QCOMPARE(m_fakes->printer.sent.size(), 1);
        QCOMPARE(m_fakes->events.waits.size(), 1);
        QVERIFY(m_fakes->clock.now() == std::chrono::steady_clock::time_point()); // the pause cut short
        QCOMPARE(seen,
                 QStringList({"Print All progress", "Form1"}) + QStringList(keys.size() - 1, "PrintProgressStop"));
        QVERIFY(!m_form->findChild<QWidget *>(QStringLiteral("PrintProgress")));
        QTRY_COMPARE(QApplication::focusWidget(), m_form->CommandPrintAll);
    }

    // Each key goes where it says, the first time (no entry current yet) too.
    void listKeysRecallAnAddressAndSpaceTicks_data()
    {
        QTest::addColumn<int>("firstKey");
        QTest::addColumn<QString>("entry");
        QTest::newRow("End") << int(Qt::Key_End) << "C\r\n";
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << "C\r\n";
        QTest::newRow("Down") << int(Qt::Key_Down) << "A\r\n";
    }
    void listKeysRecallAnAddressAndSpaceTicks()
    {
        QFETCH(int, firstKey);
        QFETCH(QString, entry);
        m_form->addToAddressBook({QStringLiteral("A\r\n"), QStringLiteral("B\r\n"), QStringLiteral("C\r\n")});
        m_form->List1->setFocus();
        press(Qt::Key(firstKey));
        QCOMPARE(m_form->TextToAddress->text(), entry);
        for (auto [key, entry] : {std::pair{Qt::Key_Home, "A\r\n"},
                                  {Qt::Key_Down, "B\r\n"},
                                  {Qt::Key_End, "C\r\n"},
                                  {Qt::Key_Up, "B\r\n"},
                                  {Qt::Key_PageUp, "A\r\n"}}) {
            press(key);
            QCOMPARE(m_form->TextToAddress->text(), QString::fromLatin1(entry));
        }
        m_form->TextToAddress->setText(QStringLiteral("kept"));
        press(Qt::Key_Space);
        QVERIFY(m_form->addressBook()->isTicked(0));
        QCOMPARE(m_form->TextToAddress->text(), QStringLiteral("kept"));
    }

    void focusOrderFollowsTheTabColumn_data()
    {
        QTest::addColumn<QStringList>("chain");
        dataRow("main panel",
                QStringList{"TextReturn", "TextToAddress", "CommandPrint", "CommandClear", "List1",
                            "CommandKeepToAddress", "CommandPrintAll", "TextReturnOffX"});
        dataRow("importer",
                QStringList{"CommandClearImport", "TextAddressD", "TextLineD", "ComboAddress", "ComboLine",
                            "CommandImport", "TextImport"});
    }
    void focusOrderFollowsTheTabColumn()
    {
        QFETCH(QStringList, chain);
        m_form->findChild<QWidget *>(chain.first())->setFocus(Qt::TabFocusReason);
        for (const QString &name : chain) {
            const QWidget *focus = QApplication::focusWidget();
            QCOMPARE((focus->focusProxy() ? focus->focusProxy() : focus)->objectName(), name);
            press(Qt::Key_Tab);
        }
        QCOMPARE(m_form->TextReturn->text(), QString()); // Tab moved on instead of typing
    }

    // Headings fit their slots; a click where Label2 overlaps the
    // to-address box reaches the box. The list keeps its left edge and
    // follows the window's right edge, but never shrinks below its design.
    void layoutFollowsTheWindow()
    {
        QCOMPARE(m_form->Label2->headings().size(), 3);
        for (HeadingLabel *label : m_form->findChildren<HeadingLabel *>()) {
            const QFontMetricsF metrics(label->fittedFont());
            for (qsizetype i = 0; i < label->headingSlots().size(); ++i)
                QVERIFY(label->headingSlots()[i].start + metrics.horizontalAdvance(label->headings()[i])
                        <= label->headingSlots()[i].end);
        }
        QCOMPARE(m_form->centralWidget()->childAt(m_form->TextToAddress->geometry().center())->parentWidget(),
                 m_form->TextToAddress);
        const QRect designed = m_form->List1->geometry();
        m_form->resize(m_form->width() + 100, m_form->height());
        QCOMPARE(m_form->List1->geometry(), designed.adjusted(0, 0, 100, 0));
        m_form->resize(designed.left(), m_form->height());
        QCOMPARE(m_form->List1->geometry(), designed.adjusted(0, 0, 100, 0));
    }

    // About and Suggestions are boxes (their texts are the code's own literals); the rest open pages.
    void helpMenu()
    {
        for (QAction *item : {m_form->AboutMMMM, m_form->SuggestionsMenu, m_form->HelpMMMM, m_form->HelpM,
                              m_form->CustomProgrammingMenu})
            item->trigger();
        QCOMPARE(m_fakes->messages.shown.size(), 2);
        QCOMPARE(m_fakes->shell.opened,
                 (QStringList{"www.example.org", "www.example.org", "www.example.org/customprogramming.htm"}));
    }

    // Closing ends the program at once, unasked (Exit is the importer test's end row).
    void closingEndsTheProgramAtOnce()
    {
        QVERIFY(m_form->close());
        QVERIFY(m_form->ending() && m_fakes->app.quitCalls == 1 && m_fakes->messages.shown.isEmpty());
        m_fakes->settings.writes.clear();
        m_form->TextReturnOffX->setText(QStringLiteral("5")); // nothing is stored once ending
        QVERIFY(m_fakes->settings.writes.isEmpty());
    }

    void everyControlNamedOnce()
    {
        m_form->ComboLine->setText(QString()); // named by its label, whatever it holds
        m_form->addToAddressBook({QStringLiteral("Ann Lee\r\n  \r\n1 Elm St\r\n"), QString()});
        m_form->addressBook()->setTicked(1, true); // "Ann Lee", after the empty entry
        m_form->FontSettingsM_Click();
        m_form->SaveMenuAs_Click();

        // Every window open now, so that later windows are held to the same rule.
        QStringList names;
        for (QWidget *window : QApplication::topLevelWidgets())
            for (QAccessibleInterface *node : shown(QAccessible::queryAccessibleInterface(window))) {
                const QString name = announced(node);
                QVERIFY2(!name.contains(QStringLiteral("  ")), qPrintable(name)); // a heading row's spaces
                if (node->role() == QAccessible::Grouping)
                    names << name; // a box is not named after its panel
                if (!node->state().focusable)
                    continue;
                QVERIFY2(!name.trimmed().isEmpty(), qPrintable(node->object() ? node->object()->objectName() : name));
                // List entries may repeat; a box inside a control that takes its focus shares its name.
                auto *widget = qobject_cast<QWidget *>(node->object());
                if (!widget || widget->focusProxy())
                    continue;
                QVERIFY2(!names.contains(name), qPrintable(name + QStringLiteral(" twice")));
                names << name;
            }
        QVERIFY(names.size() >= 30);

        // An entry reads as its lines, one after another, and says whether it is ticked.
        QAccessibleTableInterface *list = QAccessible::queryAccessibleInterface(m_form->List1)->tableInterface();
        QAccessibleInterface *blank = list->cellAt(0, 0), *ann = list->cellAt(1, 0);
        QCOMPARE(ann->text(QAccessible::Name), QStringLiteral("Ann Lee, 1 Elm St"));
        QVERIFY(ann->state().checkable && ann->state().checked && !blank->state().checked);
        QCOMPARE(ann->text(QAccessible::Description) + u'/' + blank->text(QAccessible::Description),
                 QStringLiteral("Ticked/Not ticked"));
    }

    void questionsReadOutAndDefaultToNo()
    {
        QtMessageBox messages;
        QStringList read;
        QTimer::singleShot(0, [&] {
            QWidget *box = QApplication::activeModalWidget();
            for (QAccessibleInterface *node : shown(QAccessible::queryAccessibleInterface(box)))
                read << node->text(QAccessible::Name);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(!messages.askYesNo(QStringLiteral("Clear them?")));
        QVERIFY(read.contains(QStringLiteral("Clear them?")) && read.contains(QStringLiteral("Yes"))
                && read.contains(QStringLiteral("No")));
    }

    // Each row's texts joined by "|": title, Print, File, Exit, Hide Settings, Yes, and the two messages.
    void textsFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("texts");
        dataRow("German", "de_DE",
                "Quillon 2.1 - Von: Tarvik |Drucken|&Datei|&Beenden|Einstellungen ausblenden|&Ja|"
                "Die Druckschriftgröße der Empfängeradresse ist leer. Geben Sie einen Wert in Punkt "
                "ein. Es wurde nichts gedruckt.|"
                "Möchten Sie die Standardeinstellungen wirklich wiederherstellen?");
        QTest::newRow("French") << "fr_FR"
                                << "Quillon 2.1 - Par : Tarvik |Imprimer|&Fichier|&Quitter|Masquer les réglages|&Oui|"
                                   "La taille de police d'impression de l'adresse du destinataire est vide. Saisissez "
                                   "un nombre de points. Rien n'a été imprimé.|"
                                   "Voulez-vous vraiment rétablir les réglages par défaut ?";
        dataRow("Spanish", "es_ES",
                "Quillon 2.1 - Por: Tarvik |Imprimir|&Archivo|&Salir|Ocultar configuración|&Sí|"
                "El tamaño de letra de impresión de la dirección del destinatario está vacío. "
                "Escriba un número de puntos. No se imprimió nada.|"
                "¿Seguro que desea restablecer la configuración predeterminada?");
        dataRow("Italian", "it_IT",
                "Quillon 2.1 - Di: Tarvik |Stampa|&File|&Esci|Nascondi impostazioni|&Sì|"
                "La dimensione del carattere di stampa dell'indirizzo del destinatario: il campo è "
                "vuoto. Inserite un numero di punti. Non è stato stampato nulla.|"
                "Volete davvero ripristinare le impostazioni predefinite?");
        dataRow("English", "en_US",
                "Quillon 2.1 - By: Tarvik |Print|&File|E&xit|Hide Settings|&Yes|"
                "To address print font size is empty. Enter a number of points. Nothing was "
                "printed.|Are you sure you want to restore the default settings?");
    }
    void textsFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, texts);
        qDeleteAll(qApp->findChildren<QTranslator *>());
        const auto english = qScopeGuard([] { qDeleteAll(qApp->findChildren<QTranslator *>()); });
        QCOMPARE(installTranslations(*qApp, QLocale(locale)), !locale.startsWith(u"en"));
        TestServices services;
        services.messages.answers = {false};
        Form1 form(services.services());
        form.Form_Load();
        form.TextToAddressPrintFontSize->clear();
        form.CommandPrint_Click();
        form.RestoreDefaultSettingsM_Click();
        QCOMPARE((QStringList{form.windowTitle(), form.CommandPrint->text(), form.MFile->title(), form.ExitM->text(),
                              form.CommandHide->text(), QCoreApplication::translate("QPlatformTheme", "&Yes")}
                  + services.messages.texts()),
                 texts.split(u'|'));
        // What is stored and read back as data is the same in every language.
        QCOMPARE(services.settings.value(QStringLiteral("ComboAddress")), QStringLiteral("[LINE BREAK]"));
        QVERIFY(form.ComboLine->findText(QStringLiteral("[TAB]")) >= 0);
        // No two items of a menu, and no two controls of the set-up, share an access key.
        QList<QStringList> groups{captions(form.menuBar()->actions())};
        for (QAction *menu : form.menuBar()->actions())
            groups << captions(menu->menu()->actions());
        QVERIFY(form.envelopeSetup);
        QStringList setup;
        for (QLabel *label : form.envelopeSetup->findChildren<QLabel *>())
            setup << label->text();
        for (QAbstractButton *button : form.envelopeSetup->findChildren<QAbstractButton *>())
            setup << button->text();
        groups << setup;
        for (const QStringList &group : groups) {
            QSet<QChar> keys;
            for (const QString &caption : group) {
                const qsizetype at = QString(caption).replace(QStringLiteral("&&"), QStringLiteral("__")).indexOf(u'&');
                if (at < 0 || at + 1 == caption.size())
                    continue;
                const QChar key = caption[at + 1].toLower();
                QVERIFY2(!keys.contains(key), qPrintable(group.join(u'|')));
                keys.insert(key);
            }
        }
    }

private:
    std::unique_ptr<TestServices> m_fakes;
    std::unique_ptr<Form1> m_form;
};

QTEST_MAIN(TestForm1Window)
#include "test_form1_window.moc"
