// SPDX-License-Identifier: GPL-3.0-or-later
// The address book through the window: start-up load, its commands, Save
// and the Save-As panel, and what happens when files misbehave.
#include "addressbook/addresslistmodel.h"
#include "addressbook/bookcodec.h"
#include "app/addresstextbox.h"
#include "app/form1.h"
#include "fakes/testservices.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QByteArray kWorkedExample = "Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777*|||||*\r\n"
                                  "Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n*|||||*\r\n";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A window started over a program folder that holds `book` as "AddData.txt"
// (none when it is null).
struct Window
{
    explicit Window(const QByteArray &book = QByteArray())
    {
        if (!book.isNull())
            writeAll(path(), book);
        form = std::make_unique<Form1>(services.services());
        form->Form_Load();
    }

    // A file in the program folder; the folder itself for an empty name.
    QString path(const QString &name = QStringLiteral("AddData.txt")) const
    {
        return QDir(services.programDir.path()).filePath(name);
    }
    AddressListModel &book() const { return *form->addressBook(); }
    QStringList warnings() const { return shown(FakeMessageBox::Shown::Warning); }
    QStringList informations() const { return shown(FakeMessageBox::Shown::Information); }
    QStringList shown(FakeMessageBox::Shown::Kind kind) const
    {
        QStringList result;
        for (const auto &box : services.messages.shown) {
            if (box.kind == kind)
                result << box.text;
        }
        return result;
    }

    void saveAddress(const QString &text)
    {
        form->TextToAddress->setText(text);
        QTest::mouseClick(form->CommandKeepToAddress, Qt::LeftButton);
    }

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
    void workedExampleThroughTheWindow()
    {
        Window window(kWorkedExample);
        QCOMPARE(window.form->AddressFileName, window.path());
        // Read back normalised: a final CR LF on the first entry now.
        QCOMPARE(window.book().texts(), QStringList({"Larry Doe\r\n789 Good RD.\r\nSuit 777\r\nSomeCity, CA 97777\r\n",
                                                     "Tony Doe\r\n1234 Great Street\r\nCityName, CA 97777\r\n"}));
        QCOMPARE(window.book().index(0).data().toString(),
                 QStringLiteral("Larry Doe  \u00b7  789 Good RD.  \u00b7  Suit 777  \u00b7  SomeCity, CA 97777"));
        QVERIFY(window.services.messages.shown.isEmpty());

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
        // The tick box ticks; the click still copies the entry.
        click(0, 10);
        QVERIFY(window.book().isTicked(0));
        QCOMPARE(window.form->TextToAddress->text(), window.book().text(0));

        // Save As, then Save Address: the other file takes it, "AddData.txt" stays.
        window.form->ImportMenu->trigger();
        QTest::mouseClick(window.form->Command2, Qt::LeftButton); // "Cancel It"
        QVERIFY(!window.form->Frame1->isVisibleTo(window.form.get()));
        window.form->SaveMenuAs->trigger();
        QCOMPARE(window.form->Text1->text(), QDir::toNativeSeparators(window.path()));
        const QString other = window.path(QStringLiteral("other.txt"));
        window.panel(window.form->SaveMenuAs, other);
        QCOMPARE(window.informations(), QStringList{"Complete"});
        QVERIFY(!window.form->Frame1->isVisibleTo(window.form.get()));
        const QByteArray saved = encodeBook(window.book().texts());
        QCOMPARE(readAll(other), saved);
        window.saveAddress(QStringLiteral("Zed"));
        QCOMPARE(readAll(other), saved + "Zed*|||||*\r\n");
        QCOMPARE(readAll(window.path()), kWorkedExample);
    }

    void saveAddress_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("as typed, without final break")
            << QStringList{"  Larry\r\n\r\nDoe "} << QByteArray("Larry\r\n\r\nDoe *|||||*\r\n");
        QTest::newRow("empty box adds an empty entry") << QStringList{""} << QByteArray("*|||||*\r\n");
        QTest::newRow("sorted without case, twice gives two")
            << QStringList{"b", "A", "a", "A"} << QByteArray("A*|||||*\r\na*|||||*\r\nA*|||||*\r\nb*|||||*\r\n");
        QTest::newRow("refused: would end in a separator") << QStringList{"Larry*|||||"} << QByteArray("<missing>");
    }

    void saveAddress()
    {
        QFETCH(QStringList, typed);
        QFETCH(QByteArray, file);
        Window window;
        for (const QString &text : typed)
            window.saveAddress(text);
        QCOMPARE(readAll(window.path()), file);
        const bool refused = file == "<missing>";
        QCOMPARE(window.book().count(), refused ? 0 : int(typed.size()));
        QCOMPARE(window.warnings().size(), refused ? 1 : 0);
        QVERIFY(refused ? window.warnings().first().contains(QStringLiteral("*|||||*"))
                        : window.book().texts().contains(typed.first()));
    }

    void clearSelected_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QList<int>>("tick"); // empty: "Select All"
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("yes: positions 1 and 3 of 5")
            << true << QList<int>{1, 3} << QByteArray("a*|||||*\r\nc*|||||*\r\ne*|||||*\r\n");
        QTest::newRow("no: nothing removed, still rewritten")
            << false << QList<int>{1, 3} << QByteArray("a*|||||*\r\nb*|||||*\r\nc*|||||*\r\nd*|||||*\r\ne*|||||*\r\n");
        QTest::newRow("yes to all: no file") << true << QList<int>{} << QByteArray("<missing>");
    }

    void clearSelected()
    {
        QFETCH(bool, yes);
        QFETCH(QList<int>, tick);
        QFETCH(QByteArray, file);
        Window window;
        for (const char *entry : {"a", "b", "c", "d", "e"})
            window.saveAddress(QString::fromLatin1(entry));
        for (int row : tick)
            window.book().setTicked(row, true);
        if (tick.isEmpty())
            QTest::mouseClick(window.form->CommandSelectAll, Qt::LeftButton);
        QVERIFY(window.form->CommandSelectAll->isEnabled());
        QFile::remove(window.path()); // so that the rewrite shows
        window.services.messages.answers = {yes};

        QTest::mouseClick(window.form->CommandClearData, Qt::LeftButton);
        QCOMPARE(window.services.messages.texts(),
                 QStringList{QStringLiteral("Are you sure you want to clear the select addresses?")});
        QCOMPARE(readAll(window.path()), file);
        QCOMPARE(window.book().count(), int(file.count("*|||||*")));
    }

    void failedAndLateSavesLeaveTheBook()
    {
        Window window(kWorkedExample);
        const QString nowhere = window.path(QStringLiteral("no/such/folder/book.txt"));
        // Through the panel: the book in use stays the default one.
        window.panel(window.form->SaveMenuAs, nowhere);
        QCOMPARE(window.warnings().size(), 1);
        QVERIFY(window.warnings().last().contains(QDir::toNativeSeparators(nowhere)));
        QCOMPARE(window.form->AddressFileName, window.path());

        // A failing book in use: one message per command, no "Complete".
        window.form->AddressFileName = nowhere;
        window.saveAddress(QStringLiteral("X"));
        QCOMPARE(window.warnings().size(), 2);
        window.form->SaveMenu_Click();
        QCOMPARE(window.warnings().size(), 3);
        window.services.messages.answers = {false};
        window.form->CommandClearData_Click();
        QCOMPARE(window.warnings().size(), 4);

        // Once the program ends nothing is saved, and nothing is said.
        window.form->AddressFileName = window.path();
        window.form->ExitM_Click();
        window.saveAddress(QStringLiteral("Late"));
        window.form->SaveMenu_Click();
        QCOMPARE(window.warnings().size(), 4);
        QVERIFY(window.informations().isEmpty());
        QCOMPARE(readAll(window.path()), kWorkedExample);
    }

    void importData_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: leave the path as it is
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("warning");
        QTest::newRow("the default book again doubles it") << "AddData.txt" << QByteArray() << 4 << QString();
        QTest::newRow("a file that does not exist")
            << "missing.txt" << QByteArray() << 2 << "later saves of the address book will create it";
        QTest::newRow("a folder") << "afolder" << QByteArray() << 2 << "could not be read";
        QTest::newRow("binary garbage with NUL bytes")
            << "garbage.bin" << QByteArray("\x00\x01\xff\xfe\x00*||\r\n\x90", 10) << 2 << "holds no address book records";
        QByteArray big(50 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < big.size(); i += 97)
            big[i] = char(i * 31);
        QTest::newRow("50 MB of garbage") << "garbage.bin" << big << 2 << "holds no address book records";
    }

    void importData()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, entries);
        QFETCH(QString, warning);
        Window window(kWorkedExample);
        const QString path = window.path(name);
        QVERIFY(QDir().mkpath(window.path(QStringLiteral("afolder"))));
        if (!content.isNull())
            writeAll(path, content);

        window.panel(window.form->ImportMenu, path);
        QCOMPARE(window.book().count(), entries);
        QCOMPARE(window.form->AddressFileName, path);
        QCOMPARE(window.informations(), warning.isEmpty() ? QStringList{"Complete"} : QStringList{});
        QCOMPARE(window.warnings().size(), warning.isEmpty() ? 0 : 1);
        if (!warning.isEmpty())
            QVERIFY2(window.warnings().first().contains(warning), qPrintable(window.warnings().first()));
        // Not saved: the files change at the next save only.
        QCOMPARE(readAll(window.path()), kWorkedExample);

        window.saveAddress(QStringLiteral("New"));
        if (name == u"afolder") {
            // Never written over: the save says so, and another name works.
            QCOMPARE(window.warnings().size(), 2);
            window.panel(window.form->SaveMenuAs, window.path(QStringLiteral("rescue.txt")));
            QCOMPARE(decodeBook(readAll(window.path(QStringLiteral("rescue.txt"))), 10).entries.size(), 3);
            return;
        }
        QCOMPARE(decodeBook(readAll(path), 100).entries.size(), entries + 1);
        // What the import could not read is kept beside it.
        const QStringList kept = QDir(window.path(QString())).entryList({name + QStringLiteral(".kept-*")});
        QCOMPARE(kept.size(), name == u"garbage.bin" ? 1 : 0);
        if (!kept.isEmpty())
            QVERIFY(readAll(window.path(kept.first())) == content);
    }

    void overfullBookLoadsWhatFitsAndKeepsTheRest()
    {
        QStringList entries;
        for (int i = 0; i < AddressListModel::kCapacity + 3; ++i)
            entries << QStringLiteral("Name %1\r\nStreet %1\r\n").arg(i, 6, 10, QLatin1Char('0'));
        const QByteArray file = encodeBook(entries);
        Window window(file);
        QCOMPARE(window.book().count(), AddressListModel::kCapacity);
        QCOMPARE(window.warnings().size(), 1);
        QVERIFY2(window.warnings().first().contains(QStringLiteral(" 3 were left out")),
                 qPrintable(window.warnings().first()));

        // Full: a new address is refused, nothing stored is lost.
        window.saveAddress(QStringLiteral("One more"));
        QCOMPARE(window.warnings().size(), 2);
        QVERIFY(window.warnings().last().contains(QStringLiteral("full")));
        QCOMPARE(window.book().count(), AddressListModel::kCapacity);
        QCOMPARE(readAll(window.path()), file);

        // The first save keeps the whole original beside the book, and says where.
        window.form->SaveMenu_Click();
        const QStringList kept = QDir(window.path(QString())).entryList({QStringLiteral("AddData.txt.kept-*")});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(window.informations().size(), 2);
        QVERIFY(window.informations().first().contains(kept.first()));
        QCOMPARE(window.informations().last(), QStringLiteral("Complete"));
        QCOMPARE(readAll(window.path(kept.first())), file);
        QCOMPARE(decodeBook(readAll(window.path()), 100000).entries.size(), AddressListModel::kCapacity);
        // One copy is enough.
        window.form->SaveMenu_Click();
        QCOMPARE(window.informations().size(), 3);
    }

    void commandsDuringALoadWaitForIt()
    {
        QByteArray file;
        for (int i = 0; i < 200; ++i)
            file += QStringLiteral("Person %1\r\n*|||||*\r\n").arg(i, 3, 10, QLatin1Char('0')).toLatin1();
        TestServices services;
        const QString book = QDir(services.programDir.path()).filePath(QStringLiteral("AddData.txt"));
        writeAll(book, file);
        Form1 form(services.services());
        // What the user does while the book loads: an import, and Save.
        bool once = false;
        services.events.onProcess = [&] {
            if (std::exchange(once, true))
                return;
            QCOMPARE(form.addToAddressBook({QStringLiteral("Nested\r\n")}), 1);
            QCOMPARE(form.SaveFile(), Form1::BookSaved::Deferred);
            form.SaveMenu_Click();
        };
        form.Form_Load();
        QVERIFY(once);
        QCOMPARE(form.addressBook()->count(), 201);
        QCOMPARE(decodeBook(readAll(book), 1000).entries.size(), 201);
        QCOMPARE(services.messages.texts(), QStringList{"Complete"});
    }
};

QTEST_MAIN(TestForm1AddressBook)
#include "test_form1_addressbook.moc"
