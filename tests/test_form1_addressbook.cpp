// SPDX-License-Identifier: GPL-3.0-or-later
// The address book through the window: start-up load, its commands, Save
// and the Save-As panel.
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "fakes/files.h"
#include "fakes/testservices.h"

#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QByteArray kTwoEntryBook = "Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777*|||||*\r\n"
                                 "Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n*|||||*\r\n";

// A window started over a program folder whose "AddData.txt" holds `book`.
struct Window
{
    explicit Window(const QByteArray &book)
    {
        writeAll(path(), book);
        form = services.start();
    }

    QString path(const QString &name = QStringLiteral("AddData.txt")) const
    {
        return QDir(services.programDir.path()).filePath(name);
    }
    AddressListModel &book() const { return *form->addressBook(); }

    void panel(QAction *menuItem, const QString &name)
    {
        menuItem->trigger();
        form->Text1->setText(name);
        QTest::mouseClick(form->Command1, Qt::LeftButton);
    }

    TestServices services;
    std::unique_ptr<Form1> form;
};

} // namespace

class TestForm1AddressBook : public QObject
{
    Q_OBJECT

private slots:
    void twoEntryBookThroughTheWindow()
    {
        Window window(kTwoEntryBook);
        QCOMPARE(window.form->AddressFileName(), window.path());
        // Read as the codec reads it (its own tests hold the details).
        QVERIFY(window.book().count() == 2 && window.services.messages.shown.isEmpty());

        window.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.form.get()));
        const auto click = [&](int row, int x = -1) {
            const QRect at = window.form->List1->visualRect(window.book().index(row));
            QTest::mouseClick(window.form->List1->viewport(), Qt::LeftButton, {},
                              x < 0 ? at.center() : QPoint(at.left() + x, at.center().y()));
        };
        click(1);
        QCOMPARE(window.form->TextToAddress->text(), window.book().text(1));
        // While "Select All" runs (its button disabled) a click copies nothing.
        window.form->CommandSelectAll->setEnabled(false);
        click(0);
        QCOMPARE(window.form->TextToAddress->text(), window.book().text(1));
        window.form->CommandSelectAll->setEnabled(true);
        // The tick box ticks; the click still copies its own entry, not the
        // one current before.
        click(1, 10);
        QVERIFY(window.book().isTicked(1) && !window.book().isTicked(0));
        QCOMPARE(window.form->TextToAddress->text(), window.book().text(1));

        // Save As, then Save Address: the other file takes it, "AddData.txt" stays.
        window.form->ImportMenu->trigger();
        QCOMPARE(window.form->Text1->text(), QDir::toNativeSeparators(window.path()));
        QTest::mouseClick(window.form->Command2, Qt::LeftButton); // "Cancel It"
        QVERIFY(!window.form->Frame1->isVisibleTo(window.form.get()));
        const QString other = window.path(QStringLiteral("other.txt"));
        window.panel(window.form->SaveMenuAs, other);
        QCOMPARE(window.services.messages.texts(), QStringList{"Complete"});
        QVERIFY(!window.form->Frame1->isVisibleTo(window.form.get()));
        const QByteArray saved = encodeBook(window.book().texts()).bytes;
        QCOMPARE(readAll(other), saved);
        window.form->TextToAddress->setText(QStringLiteral("Zed"));
        QTest::mouseClick(window.form->CommandKeepToAddress, Qt::LeftButton);
        QCOMPARE(readAll(other), saved + "Zed*|||||*\r\n");
        QCOMPARE(readAll(window.path()), kTwoEntryBook);

        // "Clear Selected": No removes nothing, yet the book is rewritten
        // (here from the reader's form); Yes after "Select All" empties it.
        const QByteArray before = readAll(other);
        writeAll(other, encodeBook(decodeBook(before, 10).entries).bytes);
        window.services.messages.answers = {false, true};
        QTest::mouseClick(window.form->CommandClearData, Qt::LeftButton);
        QCOMPARE(readAll(other), before);
        QTest::mouseClick(window.form->CommandSelectAll, Qt::LeftButton);
        QTest::mouseClick(window.form->CommandClearData, Qt::LeftButton);
        QCOMPARE(window.book().count(), 0);
        QCOMPARE(readAll(other), QByteArray("<missing>"));
        QCOMPARE(window.services.messages.texts().mid(1),
                 QStringList(2, QStringLiteral("Are you sure you want to clear the select addresses?")));

        // The panel opened for an import imports, whatever it did before.
        window.panel(window.form->ImportMenu, window.path(QStringLiteral("missing.txt")));
        QCOMPARE(window.form->AddressFileName(), window.path(QStringLiteral("missing.txt")));
        QVERIFY(window.services.messages.texts().last().contains(QStringLiteral("does not exist")));
    }

    // Save-As onto a file that exists and is not the book in use asks
    // first; No leaves every file, the book in use and the panel as they were.
    void saveAsAsksBeforeReplacingAnotherFile_data()
    {
        QTest::addColumn<QString>("name"); // typed into the panel
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("yes");
        QTest::newRow("another file, No") << "letter.txt" << true << false;
        QTest::newRow("another file, Yes") << "letter.txt" << true << true;
        QTest::newRow("the book in use") << "AddData.txt" << false << false;
        QTest::newRow("a new file") << "new.txt" << false << false;
    }
    void saveAsAsksBeforeReplacingAnotherFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, asked);
        QFETCH(bool, yes);
        Window window("Anne\r\n*|||||*\r\n");
        writeAll(window.path(QStringLiteral("letter.txt")), "Dear Anne");
        window.services.messages.answers = {yes};
        window.panel(window.form->SaveMenuAs, window.path(name));
        const QString question = QDir::toNativeSeparators(window.path(name))
            + QStringLiteral(" already exists. Replace it with the address book?");
        const bool saved = !asked || yes;
        QCOMPARE(window.services.messages.texts(),
                 (asked ? QStringList{question} : QStringList()) + QStringList(int(saved), "Complete"));
        QCOMPARE(window.form->AddressFileName(), window.path(saved ? name : QStringLiteral("AddData.txt")));
        QCOMPARE(readAll(window.path(QStringLiteral("letter.txt"))),
                 name == u"letter.txt" && saved ? QByteArray("Anne\r\n*|||||*\r\n") : QByteArray("Dear Anne"));
        QCOMPARE(window.form->Frame1->isVisibleTo(window.form.get()), !saved);
    }

    // After a save that failed, the end tries once more; when that fails
    // too, it asks, and No keeps the program running with the list.
    void endTriesAgainToSaveWhatFailed_data()
    {
        QTest::addColumn<bool>("byClose");  // the window closed, or File > Exit
        QTest::addColumn<bool>("writable"); // the second try can save
        QTest::addColumn<bool>("yes");      // the answer to the question
        QTest::newRow("Exit, saved at the second try") << false << true << false;
        QTest::newRow("close, still failing, No") << true << false << false;
        QTest::newRow("Exit, still failing, Yes") << false << false << true;
    }
    void endTriesAgainToSaveWhatFailed()
    {
        QFETCH(bool, byClose);
        QFETCH(bool, writable);
        QFETCH(bool, yes);
        Window window("Anne\r\n*|||||*\r\n");
        const auto readable = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(window.path(), readable));
        window.form->TextToAddress->setText(QStringLiteral("Zed"));
        QTest::mouseClick(window.form->CommandKeepToAddress, Qt::LeftButton);
        QVERIFY(window.services.messages.texts().last().contains(u"was not saved"));
        QVERIFY(!writable || QFile::setPermissions(window.path(), readable | QFileDevice::WriteOwner));
        window.services.messages.answers = {yes};
        const qsizetype boxes = window.services.messages.shown.size();
        if (byClose)
            window.form->close();
        else
            window.form->ExitM->trigger();
        const bool ended = writable || yes;
        QCOMPARE(window.services.app.quitCalls, int(ended));
        QCOMPARE(window.form->ending(), ended);
        QCOMPARE(window.services.messages.shown.size() - boxes, writable ? 0 : 1);
        QVERIFY(writable || window.services.messages.texts().last().endsWith(u"Quit without saving them?"));
        QCOMPARE(readAll(window.path()),
                 QByteArray(writable ? "Anne\r\n*|||||*\r\nZed*|||||*\r\n" : "Anne\r\n*|||||*\r\n"));
    }

    // What the start-up has to say comes once the window is on screen.
    void startUpMessagesComeOverTheWindow()
    {
        TestServices services;
        QVERIFY(QDir().mkpath(QDir(services.programDir.path()).filePath(QStringLiteral("AddData.txt"))));
        services.settings.refuseWrites = true; // a full disk
        Form1 form(services.services());
        bool overTheWindow = true;
        services.messages.onShow = [&] { overTheWindow = overTheWindow && form.isVisible(); };
        form.Form_Load();
        QVERIFY(services.messages.shown.isEmpty());
        form.show();
        QTRY_COMPARE(services.messages.shown.size(), 2);
        QVERIFY(overTheWindow);
        QVERIFY(services.messages.texts().first().contains(u"cannot save your settings"));
        QVERIFY(services.messages.texts().last().contains(u"could not be read"));
    }
};

QTEST_MAIN(TestForm1AddressBook)
#include "test_form1_addressbook.moc"
