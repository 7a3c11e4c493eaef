// SPDX-License-Identifier: GPL-3.0-or-later
// The window's inventory, focus order, resize rule, help menu and ending.
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "app/headinglabel.h"
#include "app/sortedcombobox.h"
#include "fakes/testservices.h"

#include <QAction>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

std::unique_ptr<Form1> shownForm(TestServices &services)
{
    auto form = std::make_unique<Form1>(services.services());
    form->Form_Load();
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        qWarning("window not exposed");
    return form;
}

QStringList menuItems(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions())
        result << action->objectName() + u'=' + (action->isSeparator() ? QStringLiteral("-") : action->text());
    return result;
}

} // namespace

class TestForm1Window : public QObject
{
    Q_OBJECT

private slots:
    void windowAndMenus()
    {
        TestServices services;
        auto form = shownForm(services);
        QCOMPARE(form->windowTitle(), QStringLiteral("Quillon 2.1 - By: Tarvik "));
        QVERIFY(!form->windowIcon().isNull());
        QCOMPARE(form->centralWidget()->size(), QSize(12165 / 15, 6120 / 15));
        QCOMPARE(form->List1->geometry().topLeft(), QPoint(600, 24));
        QCOMPARE(form->CommandPrintAll->geometry(), QRect(600, 176, 201, 25));
        QCOMPARE(form->TextImport->parentWidget(), form->FrameAddressImporter);

        const QList<QMenu *> menus = form->menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly);
        QStringList titles;
        for (const QAction *action : form->menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{"File", "Options", "Help"}));
        QCOMPARE(menuItems(form->MFile),
                 (QStringList{"HelpM=Help", "qqqqqqqqqqqqqqqqqqq=-", "SaveMenu=Save",
                              "SaveMenuAs=Save Addresses As", "ImportMenu=Import Addresses", "qqqqqqqqqqqqq=-",
                              "CustomProgrammingMenu=Custom Programming", "SuggestionsMenu=Suggestions",
                              "qqqqqqqqqqqqqqqq=-", "Sample1Menu=Sample 1", "Sample2Menu=Sample 2",
                              "fillllllllllllllllllller=-", "ExitM=E&xit"}));
        QCOMPARE(menuItems(form->MOptions),
                 (QStringList{"FontSettingsM=Font Settings", "RestoreDefaultSettingsM=Restore Default Settings",
                              "EnvelopeM=Envelope...", "EnvelopePreviewM=Envelope Preview"}));
        QCOMPARE(menuItems(form->MHelp), (QStringList{"AboutMMMM=About", "HelpMMMM=Help"}));
        for (QMenu *menu : {form->MFile, form->MOptions, form->MHelp})
            for (const QAction *action : menu->actions())
                QVERIFY(action->shortcut().isEmpty());

        // Never shown, whatever happens.
        for (QWidget *hidden : std::initializer_list<QWidget *>{form->Text2, form->Text5, form->CommandShowGrid,
                                                                 form->CommandTakeAddress})
            QVERIFY(!hidden->isVisible());
    }

    void headingsKeepTheirTextAndStandOverTheirBoxes()
    {
        TestServices services;
        auto form = shownForm(services);
        QCOMPARE(form->Label2->text(), QStringLiteral("From Addres:") + QString(75, u' ') + QStringLiteral("To Address:")
                                           + QString(83, u' ') + QStringLiteral("Saved Addresses:"));
        QCOMPARE(form->Label2->headings(), (QStringList{"From Addres:", "To Address:", "Saved Addresses:"}));
        // Every heading fits before the next box, in the font it is drawn in.
        for (HeadingLabel *label : form->findChildren<HeadingLabel *>()) {
            const QFontMetricsF metrics(label->fittedFont());
            const QStringList headings = label->headings();
            const auto places = label->headingSlots();
            for (qsizetype i = 0; i < places.size(); ++i)
                QVERIFY2(places[i].start + metrics.horizontalAdvance(headings[i]) <= places[i].end,
                         qPrintable(label->objectName() + u' ' + headings[i]));
            QVERIFY(label->testAttribute(Qt::WA_TransparentForMouseEvents));
        }
        // A click where Label2 overlaps the to-address box reaches the box.
        const QPoint inBox = form->TextToAddress->geometry().center();
        QCOMPARE(form->centralWidget()->childAt(inBox)->parentWidget(), form->TextToAddress);
    }

    void focusOrderFollowsTheTabColumn()
    {
        TestServices services;
        auto form = shownForm(services);
        form->activateWindow();
        form->TextReturn->setFocus();
        QWidget *expected[] = {form->TextReturn,     form->TextToAddress,        form->CommandPrint,
                               form->CommandClear,   form->List1,                form->CommandKeepToAddress,
                               form->CommandPrintAll, form->TextReturnOffX};
        QWidget *current = form->TextReturn;
        for (QWidget *widget : expected) {
            QCOMPARE(current, widget);
            current = current->nextInFocusChain();
            while (!current->isVisible() || current->focusPolicy() == Qt::NoFocus
                   || (current->focusProxy() != nullptr))
                current = current->nextInFocusChain();
        }
        // Inside the importer: from "Clear Addresses" up to the import box.
        QWidget *importer[] = {form->CommandClearImport, form->TextAddressD, form->TextLineD, form->ComboAddress,
                               form->ComboLine,          form->CommandImport, form->TextImport};
        for (size_t i = 0; i + 1 < std::size(importer); ++i) {
            QWidget *next = importer[i]->nextInFocusChain();
            while (next->focusPolicy() == Qt::NoFocus || next->focusProxy())
                next = next->nextInFocusChain();
            QCOMPARE(next, importer[i + 1]);
        }
        // Tab leaves a multi-line box instead of typing a TAB.
        form->TextReturn->setFocus();
        QTest::keyClick(form->TextReturn, Qt::Key_Tab);
        QCOMPARE(form->TextReturn->text(), QString());
    }

    void listStretchesToTheRightEdge()
    {
        TestServices services;
        auto form = shownForm(services);
        const int frame = form->frameGeometry().width() - form->width();
        // The list's right edge in twips lies 350 short of the outer width,
        // to the nearest pixel.
        auto rightEdgeOff = [&] {
            return qAbs((form->List1->x() + form->List1->width()) * 15 - ((form->width() + frame) * 15 - 350));
        };

        form->resize(form->width() + 1000 / 15, form->height());
        QVERIFY(rightEdgeOff() <= 7);
        const int wide = form->List1->width();
        // Narrower than the list's left edge plus the margin: the list stays.
        form->resize(9000 / 15 + 10 - frame, form->height());
        QCOMPARE(form->List1->width(), wide);
        QCOMPARE(form->List1->geometry().topLeft(), QPoint(600, 24));
        QCOMPARE(form->List1->height(), 1635 / 15);
        form->resize(11000 / 15, form->height());
        QVERIFY(rightEdgeOff() <= 7);
        QCOMPARE(form->CommandSelectAll->geometry(), QRect(600, 144, 97, 25));
    }

    void helpMenu()
    {
        TestServices services;
        auto form = shownForm(services);
        form->AboutMMMM->trigger();
        form->SuggestionsMenu->trigger();
        QCOMPARE(services.messages.texts(),
                 (QStringList{"Quillon 2.1\r\n\r\nWritten By: Tarvik\r\nEmail: tarvik@example.org \r\n"
                              "Web Site: www.example.org \r\n",
                              "Could you please mail any suggestions to suggestions@example.org"}));
        form->HelpMMMM->trigger();
        form->HelpM->trigger();
        form->CustomProgrammingMenu->trigger();
        QCOMPARE(services.shell.opened,
                 (QStringList{"www.example.org", "www.example.org", "www.example.org/customprogramming.htm"}));
    }

    void closingAndExitEndTheProgramAtOnce()
    {
        TestServices services;
        auto form = shownForm(services);
        form->ExitM->trigger();
        QCOMPARE(services.app.quitCalls, 1);
        QVERIFY(form->ending());
        QVERIFY(services.messages.shown.isEmpty());
        // Nothing is stored once the program is ending.
        services.settings.writes.clear();
        form->TextReturnOffX->setText(QStringLiteral("5"));
        QVERIFY(services.settings.writes.isEmpty());

        TestServices other;
        auto second = shownForm(other);
        QVERIFY(second->close());
        QCOMPARE(other.app.quitCalls, 1);
        QVERIFY(other.messages.shown.isEmpty());
    }
};

QTEST_MAIN(TestForm1Window)
#include "test_form1_window.moc"
