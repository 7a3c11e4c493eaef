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
        const QByteArray saved = encodeBook(window.book().texts());
        QCOMPARE(readAll(other), saved);
        window.form->TextToAddress->setText(QStringLiteral("Zed"));
        QTest::mouseClick(window.form->CommandKeepToAddress, Qt::LeftButton);
        QCOMPARE(readAll(other), saved + "Zed*|||||*\r\n");
        QCOMPARE(readAll(window.path()), kTwoEntryBook);

        // "Clear Selected": No removes nothing, yet the book is rewritten
        // (here from the reader's form); Yes after "Select All" empties it.
        const QByteArray before = readAll(other);
        writeAll(other, encodeBook(decodeBook(before, 10).entries));
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
};

QTEST_MAIN(TestForm1AddressBook)
#include "test_form1_addressbook.moc"
