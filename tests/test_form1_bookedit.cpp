// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu by keyboard: undo and redo of the book and of the To box,
// find, edit, remove, duplicates, and printing an entry from the list.
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "app/addresstextbox.h"
#include "app/duplicatesdialog.h"
#include "app/editaddressdialog.h"
#include "app/form1.h"
#include "datarow.h"
#include "fakes/files.h"
#include "fakes/testservices.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

// As the book's reader gives them: each line ends in CR LF.
const QStringList kBook{"Anne\r\n1 Rue de l'\u00c9glise\r\n", "Bert\r\nMain St\r\nSpringfield\r\n",
                        "BERT, Main St.\r\nSpringfield!\r\n", "Cleo\r\nSpringfield\r\n"};

// The window over a book of kBook, shown and active so that keys go where the focus is.
struct Window
{
    Window()
    {
        writeAll(path(), encodeBook(kBook).bytes);
        form = services.startActive();
    }
    QString path() const { return QDir(services.programDir.path()).filePath(QStringLiteral("AddData.txt")); }
    AddressListModel &book() const { return *form->addressBook(); }
    QAction *item(const char *name) const { return form->findChild<QAction *>(name); }
    QLineEdit *findField() const { return form->findChild<QLineEdit *>("FindField"); }
    void choose(int row) const
    {
        form->List1->setFocus();
        form->List1->setCurrentIndex(book().index(row));
    }
    QByteArray file() const { return readAll(path()); }

    TestServices services;
    std::unique_ptr<Form1> form;
};

} // namespace

class TestForm1BookEdit : public QObject
{
    Q_OBJECT

private slots:
    // Each command is undone and redone by keyboard from the list, the
    // book file following; the menu names what an undo would change.
    void undoAndRedoByKeyboard_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("undoCaption");
        QTest::addColumn<int>("redoKey");
        QTest::addColumn<int>("redoModifiers");
        dataRow("Save Address, Ctrl+Shift+Z", "save", QStringList{kBook[0], kBook[1], kBook[2], kBook[3], "Zed"},
                "&Undo Save Address (1 address)", int(Qt::Key_Z), int(Qt::ControlModifier | Qt::ShiftModifier));
        dataRow("Clear Selected, Ctrl+Y", "clear", QStringList{kBook[1], kBook[2]},
                "&Undo Clear Selected (2 addresses)", int(Qt::Key_Y), int(Qt::ControlModifier));
        dataRow("Delete in the list", "delete", QStringList{kBook[0], kBook[2], kBook[3]},
                "&Undo Remove Address (1 address)", int(Qt::Key_Z), int(Qt::ControlModifier | Qt::ShiftModifier));
        dataRow("Find Duplicates, OK by Return", "duplicates", QStringList{kBook[0], kBook[1], kBook[3]},
                "&Undo Remove Duplicates (1 address)", int(Qt::Key_Y), int(Qt::ControlModifier));
    }
    void undoAndRedoByKeyboard()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, after);
        QFETCH(QString, undoCaption);
        QFETCH(int, redoKey);
        QFETCH(int, redoModifiers);
        Window window;
        Form1 &form = *window.form;
        QVERIFY(!window.item("UndoM")->isEnabled());
        if (command == u"save") {
            form.TextToAddress->setFocus();
            QTest::keyClicks(form.TextToAddress, "Zed");
            form.CommandKeepToAddress->click();
        } else if (command == u"clear") {
            window.book().setTicked(0, true);
            window.book().setTicked(3, true);
            form.CommandClearData->click();
        } else if (command == u"delete") {
            window.choose(1);
            // Delete in a text box is the box's.
            form.TextReturn->setFocus();
            press(Qt::Key_Delete);
            QCOMPARE(window.book().count(), 4);
            form.List1->setFocus();
            press(Qt::Key_Delete);
        } else {
            window.item("FindDuplicatesM")->trigger();
            auto *dialog = form.findChild<DuplicatesDialog *>();
            QVERIFY(dialog && dialog->isVisible());
            QCOMPARE(dialog->ticked(), QList<int>{2});
            QTest::keyClick(dialog->tree(), Qt::Key_Return);
        }
        QCOMPARE(window.book().texts(), after);
        QCOMPARE(window.file(), encodeBook(after).bytes);
        QCOMPARE(window.item("UndoM")->text(), undoCaption);

        form.List1->setFocus();
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.book().texts(), kBook);
        QCOMPARE(window.file(), encodeBook(kBook).bytes);
        QVERIFY(!window.item("UndoM")->isEnabled());
        QCOMPARE(window.item("RedoM")->text(), QString(undoCaption).replace("&Undo", "&Redo"));
        press(redoKey, Qt::KeyboardModifiers(redoModifiers));
        QCOMPARE(window.book().texts(), after);
        QCOMPARE(window.file(), encodeBook(after).bytes);
        QVERIFY(window.services.messages.shown.size() <= 1); // Clear Selected's question
    }

    // A click, a move in the list or a found entry replaces the To box's
    // text as one step of the box's own undo: Ctrl+Z there brings back what
    // was typed, and leaves the book alone.
    void toBoxKeepsItsOwnUndo_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("a move in the list") << "move";
        QTest::newRow("a found entry") << "find";
    }
    void toBoxKeepsItsOwnUndo()
    {
        QFETCH(QString, how);
        Window window;
        Form1 &form = *window.form;
        form.TextToAddress->setFocus();
        QTest::keyClicks(form.TextToAddress, "Typed");
        form.CommandKeepToAddress->click();
        if (how == u"move") {
            form.List1->setFocus();
            press(Qt::Key_Down);
        } else {
            press(Qt::Key_F, Qt::ControlModifier);
            QTest::keyClicks(window.findField(), "eglise");
            press(Qt::Key_Return);
        }
        QCOMPARE(form.TextToAddress->text(), kBook[0]);
        form.TextToAddress->setFocus();
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form.TextToAddress->text(), "Typed");
        QCOMPARE(window.book().count(), 5);
        press(Qt::Key_Z, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(form.TextToAddress->text(), kBook[0]);
        QCOMPARE(window.book().count(), 5);
        // With a book step to redo, Ctrl+Y in the box is still the box's.
        form.List1->setFocus();
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.book().count(), 4);
        form.TextToAddress->setFocus();
        press(Qt::Key_Z, Qt::ControlModifier);
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(form.TextToAddress->text(), kBook[0]);
        QCOMPARE(window.book().count(), 4);
    }

    // Ctrl+F, Return and F3 go forward, Shift+F3 back, round the list,
    // ignoring case and accents; "Not found" is said in the field, and
    // Escape gives the keyboard back.
    void findByKeyboard()
    {
        Window window;
        Form1 &form = *window.form;
        form.TextReturn->setFocus();
        press(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), window.findField());
        QTest::keyClicks(window.findField(), "SPRINGFIELD");
        const auto current = [&] { return form.List1->currentIndex().row(); };
        const QList<std::pair<int, Qt::KeyboardModifiers>> keys{{Qt::Key_Return, Qt::NoModifier},
                                                                {Qt::Key_F3, Qt::NoModifier},
                                                                {Qt::Key_F3, Qt::NoModifier},
                                                                {Qt::Key_F3, Qt::ShiftModifier},
                                                                {Qt::Key_Return, Qt::ShiftModifier}};
        QList<int> visited;
        for (const auto &[key, modifiers] : keys) {
            press(key, modifiers);
            visited << current();
        }
        QCOMPARE(visited, (QList<int>{1, 2, 3, 2, 1}));
        QCOMPARE(form.TextToAddress->text(), kBook[1]);
        const QLabel *status = form.findChild<QWidget *>("FindBar")->findChild<QLabel *>();
        QVERIFY(status->text().isEmpty());
        window.findField()->clear();
        QTest::keyClicks(window.findField(), "Paris");
        press(Qt::Key_Return);
        QCOMPARE(status->text(), "Not found");
        QCOMPARE(current(), 1);
        QVERIFY(window.services.messages.shown.isEmpty());
        press(Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), form.TextReturn);
        QVERIFY(!window.findField()->isVisible());
    }

    // F2 opens "Edit Address" on the current entry, all selected; Ctrl+Return
    // changes it in place; what the book cannot hold is refused and the
    // window stays; Escape changes nothing.
    void editAddressByKeyboard_data()
    {
        QTest::addColumn<QString>("typed"); // over the selected lines; "" types nothing
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("refusal");
        dataRow("changed, to its sorted place", "Dora\nHigh St", int(Qt::Key_Return),
                QStringList{kBook[0], kBook[2], kBook[3], "Dora\r\nHigh St"}, "");
        QTest::newRow("emptied: refused") << " \n" << int(Qt::Key_Return) << kBook << "cannot be empty";
        QTest::newRow("the separator: refused") << "Dora*|||||*" << int(Qt::Key_Return) << kBook << "cannot be stored";
        QTest::newRow("Escape") << "Dora" << int(Qt::Key_Escape) << kBook << "";
    }
    void editAddressByKeyboard()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QStringList, after);
        QFETCH(QString, refusal);
        Window window;
        window.choose(1);
        press(Qt::Key_F2);
        auto *dialog = window.form->findChild<EditAddressDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), "Edit Address");
        QCOMPARE(dialog->box()->textCursor().selectedText().size(), kBook[1].size() - 3);
        const QStringList lines = typed.split(u'\n');
        for (const QString &line : lines) {
            QTest::keyClicks(dialog->box(), line);
            if (&line != &lines.last())
                QTest::keyClick(dialog->box(), Qt::Key_Return);
        }
        QTest::keyClick(dialog->box(), Qt::Key(key), key == Qt::Key_Return ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(window.book().texts(), after);
        QCOMPARE(window.file(), encodeBook(after).bytes);
        QCOMPARE(dialog->isVisible(), !refusal.isEmpty());
        QCOMPARE(window.services.messages.shown.size(), refusal.isEmpty() ? 0 : 1);
        QVERIFY(refusal.isEmpty() || window.services.messages.texts()[0].contains(refusal));
        if (after != kBook) {
            QCOMPARE(window.form->List1->currentIndex().row(), 3);
            QCOMPARE(window.item("UndoM")->text(), "&Undo Edit Address");
        }
    }

    // The list's context menu prints the entry as Print does, without
    // touching the boxes' text.
    void printThisEnvelope()
    {
        Window window;
        Form1 &form = *window.form;
        form.TextToAddress->setText("Typed");
        window.choose(3);
        QAction *print = form.List1->findChild<QAction *>("PrintThisEnvelope");
        QVERIFY(form.List1->actions().contains(print));
        print->trigger();
        QCOMPARE(window.services.printer.sent.size(), 1);
        QVERIFY(window.services.printer.sent[0].join(u'\n').contains("Cleo\nSpringfield\n"));
        QCOMPARE(form.TextToAddress->text(), "Typed");
    }
};

QTEST_MAIN(TestForm1BookEdit)
#include "test_form1_bookedit.moc"
